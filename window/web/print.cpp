// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/print.h"

#include <initializer_list>
#include <string>
#include <utility>

#include "window/web/dom.h"
#include "window/web/rules.h"

namespace planner::web {

namespace {

using emscripten::val;
using Attributes = std::initializer_list<std::pair<const char*, std::string>>;

// A new SVG element with these attributes, the last child of parent.
val element(const val& parent, const char* tag, Attributes attributes)
{
    val e = document().call<val>("createElementNS", std::string("http://www.w3.org/2000/svg"),
                                 std::string(tag));
    for (const auto& [name, value] : attributes)
        e.call<void>("setAttribute", std::string(name), value);
    parent.call<void>("appendChild", e);
    return e;
}

std::string number(double x)
{
    return std::to_string(x);
}

const char* anchorOf(Shape::Anchor a)
{
    switch (a) {
    case Shape::Anchor::Middle:
        return "middle";
    case Shape::Anchor::End:
        return "end";
    case Shape::Anchor::Start:
        break;
    }
    return "start";
}

// A shape into `to`, in the sheet's inches.
void draw(const val& to, const Shape& s)
{
    const std::string width = number(s.width / 72); // points
    if (s.kind == Shape::Kind::Line) {
        std::string points;
        for (const Point& p : s.points)
            points += number(p.x) + "," + number(p.y) + " ";
        element(to, "polyline",
                {{"points", points},
                 {"fill", "none"},
                 {"stroke", "black"},
                 {"stroke-width", width},
                 {"stroke-dasharray",
                  s.dashed ? number(dashLength) + " " + number(dashGap) : std::string("none")}});
    } else if (s.kind == Shape::Kind::Box) {
        const Point &a = s.points.at(0), &b = s.points.at(1);
        element(to, "rect",
                {{"x", number(a.x)},
                 {"y", number(a.y)},
                 {"width", number(b.x - a.x)},
                 {"height", number(b.y - a.y)},
                 {"stroke-width", width},
                 {"fill", s.shaded ? colour(shadeColour) : std::string("none")},
                 {"stroke", s.shaded ? "none" : "black"}});
    } else {
        const Point& at = s.points.at(0);
        element(to, "text",
                {{"x", number(at.x)},
                 {"y", number(at.y)},
                 {"font-size", width},
                 {"text-anchor", anchorOf(s.anchor)},
                 {"font-weight", s.bold ? "bold" : "normal"},
                 {"font-family", cssFamily(Font::Print)}})
            .set("textContent", s.text);
    }
}

} // namespace

void drawTemplate(const val& into, const DishTemplate& t)
{
    into.call<void>("replaceChildren");
    int n = 0;
    for (const Sheet& sheet : t.sheets) {
        const Point &a = sheet.tileTopLeft, &b = sheet.tileBottomRight;
        const std::string w = number(sheetWidth), h = number(sheetHeight);
        const val svg =
            element(into, "svg",
                    {{"width", w + "in"}, {"height", h + "in"}, {"viewBox", "0 0 " + w + " " + h}});
        for (const Shape& s : sheet.strips)
            draw(svg, s);
        const std::string clip = "tile" + std::to_string(++n);
        element(element(svg, "clipPath", {{"id", clip}}), "rect",
                {{"x", number(a.x)},
                 {"y", number(a.y)},
                 {"width", number(b.x - a.x)},
                 {"height", number(b.y - a.y)}});
        const val drawing = element(svg, "g", {{"clip-path", "url(#" + clip + ")"}});
        for (const Shape& s : sheet.drawing)
            draw(drawing, s);
        for (const Shape& s : sheet.own)
            draw(svg, s);
    }
}

} // namespace planner::web
