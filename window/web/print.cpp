// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/print.h"

#include <string>

#include "window/web/dom.h"

namespace planner::web {

namespace {

using emscripten::val;

val svg(const char* tag, std::initializer_list<std::pair<const char*, std::string>> attributes)
{
    val e = document().call<val>("createElementNS", std::string("http://www.w3.org/2000/svg"),
                                 std::string(tag));
    for (const auto& [name, value] : attributes)
        e.call<void>("setAttribute", std::string(name), value);
    return e;
}

std::string inches(double points)
{
    return std::to_string(points / 72);
}

std::string pointsOf(const Shape& s)
{
    std::string list;
    for (const Point& p : s.points)
        list += std::to_string(p.x) + "," + std::to_string(p.y) + " ";
    return list;
}

val element(const Shape& s)
{
    switch (s.kind) {
    case Shape::Kind::Line:
        return svg("polyline", {{"points", pointsOf(s)},
                                {"fill", "none"},
                                {"stroke", "black"},
                                {"stroke-width", inches(s.width)},
                                {"stroke-dasharray", s.dashed ? "0.12 0.06" : "none"}});
    case Shape::Kind::Box: {
        const Point &a = s.points[0], &b = s.points[1];
        return svg("rect", {{"x", std::to_string(a.x)},
                            {"y", std::to_string(a.y)},
                            {"width", std::to_string(b.x - a.x)},
                            {"height", std::to_string(b.y - a.y)},
                            {"fill", s.shaded ? "#d9d9d9" : "none"},
                            {"stroke", s.shaded ? "none" : "black"},
                            {"stroke-width", inches(s.width)}});
    }
    case Shape::Kind::Text:
        break;
    }
    const char* anchors[] = {"start", "middle", "end"};
    val t = svg("text", {{"x", std::to_string(s.points[0].x)},
                         {"y", std::to_string(s.points[0].y)},
                         {"font-size", inches(s.width)},
                         {"text-anchor", anchors[int(s.anchor)]},
                         {"font-weight", s.bold ? "bold" : "normal"},
                         {"font-family", "Liberation Sans, Arial, Helvetica, sans-serif"}});
    t.set("textContent", s.text);
    return t;
}

val sheet(const Sheet& sheet, int n)
{
    const std::string w = std::to_string(sheetWidth), h = std::to_string(sheetHeight);
    val page =
        svg("svg", {{"width", w + "in"}, {"height", h + "in"}, {"viewBox", "0 0 " + w + " " + h}});
    const std::string clip = "tile" + std::to_string(n);
    const Point &a = sheet.tileTopLeft, &b = sheet.tileBottomRight;
    val path = svg("clipPath", {{"id", clip}});
    path.call<void>("append", svg("rect", {{"x", std::to_string(a.x)},
                                           {"y", std::to_string(a.y)},
                                           {"width", std::to_string(b.x - a.x)},
                                           {"height", std::to_string(b.y - a.y)}}));
    val drawing = svg("g", {{"clip-path", "url(#" + clip + ")"}});
    for (const Shape& s : sheet.own)
        if (s.shaded)
            page.call<void>("append", element(s)); // the strips under the drawing
    for (const Shape& s : sheet.drawing)
        drawing.call<void>("append", element(s));
    page.call<void>("append", path);
    page.call<void>("append", drawing);
    for (const Shape& s : sheet.own)
        if (!s.shaded)
            page.call<void>("append", element(s));
    return page;
}

} // namespace

void drawTemplate(const val& into, const DishTemplate& t)
{
    into.call<void>("replaceChildren");
    for (std::size_t i = 0; i < t.sheets.size(); ++i)
        into.call<void>("append", sheet(t.sheets[i], int(i)));
}

} // namespace planner::web
