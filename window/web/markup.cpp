// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/markup.h"

#include <algorithm>
#include <optional>

namespace planner::web {

namespace {

std::string attribute(std::string_view name, std::string_view value)
{
    return " " + std::string(name) + "=\"" + escaped(value) + "\"";
}

// A member of a control array also has its array's name as a class.
std::string label(const Session& s, int r)
{
    const ControlDesign& d = designTable()[r];
    std::string m = "<div class=\"control label ";
    m += d.align == Align::Center ? "centre" : "left";
    m += d.border ? " framed" : "";
    m += d.index >= 0 ? " " + std::string(d.name) + "\"" : "\"";
    m += attribute("id", elementId(r));
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
    std::string m = "<div class=\"control bar\"" + attribute("id", elementId(r)) +
                    attribute("role", "slider") + attribute("tabindex", "0") +
                    attribute("aria-orientation", "vertical") + attribute("aria-label", d.meaning) +
                    attribute("aria-valuemin", std::to_string(d.scroll.min)) +
                    attribute("aria-valuemax", std::to_string(d.scroll.max)) +
                    attribute("aria-valuenow", std::to_string(s.value(Ctl(r)))) + ">";
    for (const char* part : {"up", "track", "down", "thumb"})
        m += std::string("<div class=\"") + part + "\"></div>";
    return m + "</div>";
}

// "E&xit" shows as Exit with the x underlined; Alt+X presses it.
std::string button(int r)
{
    const std::string_view caption = designTable()[r].caption;
    const std::string m =
        "<button type=\"button\" class=\"control button\"" + attribute("id", elementId(r));
    const std::optional<char> key = accessKey(caption);
    if (!key)
        return m + ">" + escaped(caption) + "</button>";
    const auto amp = caption.find('&');
    return m + attribute("aria-keyshortcuts", std::string("Alt+") + *key) + ">" +
           escaped(caption.substr(0, amp)) + "<u class=\"access-key\">" +
           escaped(caption.substr(amp + 1, 1)) + "</u>" + escaped(caption.substr(amp + 2)) +
           "</button>";
}

// The design rows in page order.
std::vector<int> pageOrder()
{
    std::vector<int> order;
    for (int r = 0; r < controlCount; ++r) {
        if (designTable()[r].kind == Kind::Label)
            order.push_back(r);
        else if (order.empty() || designTable()[order.back()].kind == Kind::Label)
            for (const Ctl c : tabOrder)
                if (std::find(order.begin(), order.end(), row(c)) == order.end())
                    order.push_back(row(c));
    }
    return order;
}

} // namespace

std::string elementId(int row)
{
    return "r" + std::to_string(row);
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

} // namespace planner::web
