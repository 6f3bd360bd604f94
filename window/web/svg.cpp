// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/svg.h"

#include "window/web/dom.h"
#include "window/web/rules.h"

namespace planner::web {

namespace {

using emscripten::val;

// A new SVG element, the last child of parent.
val element(const val& parent, const char* tag)
{
    val e = document().call<val>("createElementNS", val("http://www.w3.org/2000/svg"), val(tag));
    parent.call<void>("appendChild", e);
    return e;
}

// An attribute, its value a number or a text as JavaScript writes it.
void set(const val& e, const char* name, const val& value)
{
    e.call<void>("setAttribute", val(name), value);
}

void box(const val& e, Point a, Point b)
{
    set(e, "x", val(a.x)), set(e, "y", val(a.y));
    set(e, "width", val(b.x - a.x)), set(e, "height", val(b.y - a.y));
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

} // namespace

void SvgPainter::paint(const Shape& s)
{
    const val width(s.width / 72);
    if (s.kind == Shape::Kind::Text) {
        val t = element(to_, "text");
        set(t, "x", val(s.points.at(0).x)), set(t, "y", val(s.points.at(0).y));
        set(t, "font-size", width), set(t, "text-anchor", val(anchorOf(s.anchor)));
        set(t, "font-weight", val(s.bold ? "bold" : "normal"));
        set(t, "font-family", val(cssFamily(Font::Print)));
        set(t, "fill", val(ink_));
        t.set("textContent", val(s.text));
        return;
    }
    const val e = element(to_, s.kind == Shape::Kind::Line ? "polyline" : "rect");
    set(e, "fill", val(s.shaded ? colour(shadeColour) : "none"));
    set(e, "stroke", val(s.shaded ? "none" : ink_));
    set(e, "stroke-width", width);
    if (s.kind == Shape::Kind::Box)
        return box(e, s.points.at(0), s.points.at(1));
    val points = val::array();
    for (const Point& p : s.points)
        points.call<void>("push", val(p.x), val(p.y));
    set(e, "points", points.call<val>("join", val(" ")));
    if (s.dashed)
        set(e, "stroke-dasharray", val(std::to_string(dashLength) + " " + std::to_string(dashGap)));
}

void SvgPainter::clip(Point topLeft, Point bottomRight)
{
    const val clipPath = element(svg_, "clipPath");
    set(clipPath, "id", val(clipId_));
    box(element(clipPath, "rect"), topLeft, bottomRight);
    to_ = element(svg_, "g");
    set(to_, "clip-path", val("url(#" + clipId_ + ")"));
}

val svgOf(const val& parent, double width, double height)
{
    const val svg = element(parent, "svg");
    set(svg, "width", val(std::to_string(width) + "in"));
    set(svg, "height", val(std::to_string(height) + "in"));
    set(svg, "viewBox", val("0 0 " + std::to_string(width) + " " + std::to_string(height)));
    return svg;
}

} // namespace planner::web
