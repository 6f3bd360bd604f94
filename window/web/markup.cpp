// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/markup.h"

#include <algorithm>
#include <cctype>

#include "window/metrics.h"
#include "window/web/bar_geometry.h"

namespace planner::web {

namespace {

std::string px(double twips)
{
    return std::to_string(toPixels(twips, logicalDpi)) + "px";
}

std::string id(int row)
{
    return "r" + std::to_string(row);
}

std::string attribute(std::string_view name, std::string_view value)
{
    return " " + std::string(name) + "=\"" + escaped(value) + "\"";
}

std::string label(const Session& s, int r)
{
    const ControlDesign& d = designTable()[r];
    std::string m = "<div class=\"control label ";
    m += d.align == Align::Center ? "centre" : "left";
    m += d.border ? " framed\"" : "\"";
    m += attribute("id", id(r));
    if (!d.tooltip.empty())
        m += attribute("title", d.tooltip);
    if (s.hidden(r))
        m += attribute("aria-hidden", "true");
    return m + "><span class=\"caption\" aria-hidden=\"true\">" + escaped(s.caption(r)) +
           "</span><span class=\"reader-only\">" + escaped(s.spoken(r)) + "</span></div>";
}

std::string scrollBar(const Session& s, int r)
{
    const ControlDesign& d = designTable()[r];
    std::string m = "<div class=\"control bar\"" + attribute("id", id(r)) +
                    attribute("data-row", std::to_string(r)) + attribute("role", "slider") +
                    attribute("tabindex", "0") + attribute("aria-orientation", "vertical") +
                    attribute("aria-label", d.meaning) +
                    attribute("aria-valuemin", std::to_string(d.scroll.min)) +
                    attribute("aria-valuemax", std::to_string(d.scroll.max)) +
                    attribute("aria-valuenow", std::to_string(s.model().value(Ctl(r)))) + ">";
    for (const char* part : {"up", "track", "down", "thumb"})
        m += std::string("<div class=\"") + part + "\" data-part=\"" + part + "\"></div>";
    return m + "</div>";
}

// "E&xit" shows as Exit with the x underlined; Alt+X presses it.
std::string button(int r)
{
    const std::string caption(designTable()[r].caption);
    const auto amp = caption.find('&');
    std::string m = "<button type=\"button\" class=\"control button\"" + attribute("id", id(r));
    if (amp == std::string::npos || amp + 1 >= caption.size())
        return m + ">" + escaped(caption) + "</button>";
    const std::string key(1, char(std::toupper(static_cast<unsigned char>(caption[amp + 1]))));
    return m + attribute("aria-keyshortcuts", "Alt+" + key) + ">" +
           escaped(caption.substr(0, amp)) + "<u class=\"access-key\">" +
           escaped(caption.substr(amp + 1, 1)) + "</u>" + escaped(caption.substr(amp + 2)) +
           "</button>";
}

std::string colour(std::uint32_t rgb)
{
    constexpr const char* hex = "0123456789abcdef";
    std::string c = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        c += hex[(rgb >> shift) & 0xF];
    return c;
}

} // namespace

std::vector<int> pageOrder()
{
    std::vector<int> order;
    for (int r = 0; r < controlCount; ++r)
        if (r != row(Ctl::cmdExit))
            order.push_back(r);
    order.insert(std::find(order.begin(), order.end(), row(Ctl::vsbDepth)), row(Ctl::cmdExit));
    return order;
}

std::string windowMarkup(const Session& s)
{
    std::string m;
    for (const int r : pageOrder()) {
        switch (designTable()[r].kind) {
        case Kind::Label:
            m += label(s, r);
            break;
        case Kind::ScrollBar:
            m += scrollBar(s, r);
            break;
        case Kind::Button:
            m += button(r);
            break;
        }
        m += '\n';
    }
    return m;
}

std::string windowRules(const Session& s)
{
    std::string css = "#window { width: " + px(clientWidth) + "; height: " + px(clientHeight) +
                      "; font: " + cssFont(Font::Default) + "; }\n";
    for (int r = 0; r < controlCount; ++r) {
        const ControlDesign& d = designTable()[r];
        const double height = d.kind == Kind::Label ? s.heightTwips(r) : d.twips.height;
        css += "#" + id(r) + " { left: " + px(d.twips.left) + "; top: " + px(d.twips.top) +
               "; width: " + px(d.twips.width) + "; height: " + px(height) + ";";
        if (d.font != Font::Default)
            css += " font: " + cssFont(d.font) + ";";
        if (d.backColor)
            css += " background-color: " + colour(*d.backColor) + ";";
        css += " }\n";
        if (d.kind == Kind::ScrollBar) {
            const auto g = BarGeometry::of(d.scroll, toPixels(d.twips.height, logicalDpi),
                                           toPixels(d.twips.width, logicalDpi));
            css += "#" + id(r) + " .thumb { top: " +
                   std::to_string(g.thumbTop(d.scroll, s.model().value(Ctl(r)))) +
                   "px; height: " + std::to_string(g.thumb) + "px; }\n";
        }
    }
    return css;
}

std::string escaped(std::string_view text)
{
    std::string e;
    for (const char c : text) {
        switch (c) {
        case '&':
            e += "&amp;";
            break;
        case '<':
            e += "&lt;";
            break;
        case '>':
            e += "&gt;";
            break;
        case '"':
            e += "&quot;";
            break;
        default:
            e += c;
        }
    }
    return e;
}

std::string cssFont(Font f)
{
    const FontDesign& design = fontOf(f);
    std::string css = std::to_string(design.weight) + " " + px(design.twips) + " ";
    for (std::string_view face : design.faces)
        css += "\"" + std::string(face) + "\", ";
    return css + "sans-serif";
}

} // namespace planner::web
