// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/svg.h"

#include <array>
#include <vector>

#include "window/web/dom.h"
#include "window/web/rules.h"

namespace planner::web {

namespace {

// A new SVG element, the last child of parent.
Object element(const Object& parent, const char* tag)
{
    Object e = Object::created(tag, true);
    parent.append(e);
    return e;
}

void set(const Object& e, const char* name, const std::string& value)
{
    e.call("setAttribute", name, value);
}

void box(const Object& e, Point a, Point b)
{
    e.setAttribute("x", a.x), e.setAttribute("y", a.y);
    e.setAttribute("width", b.x - a.x), e.setAttribute("height", b.y - a.y);
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
    const double width = s.width / 72;
    if (s.kind == Shape::Kind::Text) {
        const Object t = element(to_, "text");
        t.setAttribute("x", s.points.at(0).x), t.setAttribute("y", s.points.at(0).y);
        t.setAttribute("font-size", width), set(t, "text-anchor", anchorOf(s.anchor));
        set(t, "font-weight", s.bold ? "bold" : "normal");
        set(t, "font-family", cssFamily(Font::Print));
        set(t, "fill", ink_);
        t.setText("textContent", s.text);
        return;
    }
    const Object e = element(to_, s.kind == Shape::Kind::Line ? "polyline" : "rect");
    set(e, "fill", s.shaded ? colour(shadeColour) : "none");
    set(e, "stroke", s.shaded ? "none" : ink_);
    e.setAttribute("stroke-width", width);
    if (s.kind == Shape::Kind::Box)
        return box(e, s.points.at(0), s.points.at(1));
    std::vector<double> xy;
    xy.reserve(2 * s.points.size());
    for (const Point& p : s.points)
        xy.push_back(p.x), xy.push_back(p.y);
    e.setNumbers("points", xy.data(), int(xy.size()));
    if (s.dashed)
        e.setNumbers("stroke-dasharray", std::array{dashLength, dashGap}.data(), 2);
}

void SvgPainter::clip(Point topLeft, Point bottomRight)
{
    const Object clipPath = element(svg_, "clipPath");
    set(clipPath, "id", clipId_);
    box(element(clipPath, "rect"), topLeft, bottomRight);
    to_ = element(svg_, "g");
    set(to_, "clip-path", "url(#" + clipId_ + ")");
}

void viewBox(const Object& svg, double width, double height)
{
    const std::array<double, 4> box{0, 0, width, height};
    svg.setNumbers("viewBox", box.data(), int(box.size()));
}

Object svgOf(const Object& parent, double width, double height)
{
    const Object svg = element(parent, "svg");
    svg.setAttribute("width", width, "in"), svg.setAttribute("height", height, "in");
    viewBox(svg, width, height);
    return svg;
}

} // namespace planner::web
