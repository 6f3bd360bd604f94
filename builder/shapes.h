// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the builder's tools draw, without a toolkit: lines, boxes and texts
// in inches, which every view paints alike through its one Painter, on
// paper (the template's sheets) and on the screen (a form's picture).
//
// Example: a picture 4.5 by 2.4 inches holding the line {{0.5, 2}, {4, 2}}
// and the text "0 in" at (0.5, 2.2); a view showing it at 96 dots an inch
// draws the line from (48, 192) to (384, 192), 0.5 points (0.67 dots) wide.
#pragma once

#include <string>
#include <vector>

namespace planner {

struct Point {
    double x, y;
    bool operator==(const Point&) const = default;
};

// A line through points, a rectangle (its corners), or a text at a point
// (the start, middle or end of its baseline). Widths and sizes are in
// points (72 to the inch). A dashed line is dashes of dashLength inches
// with gaps of dashGap; a shaded box is filled in shadeColour (0xRRGGBB).
inline constexpr double dashLength = 0.12, dashGap = 0.06;
inline constexpr unsigned shadeColour = 0xD9D9D9;
struct Shape {
    enum class Kind : unsigned char { Line, Box, Text };
    enum class Anchor : unsigned char { Start, Middle, End };
    Kind kind = Kind::Line;
    std::vector<Point> points;
    double width = 0.5;  // a line's; a text's size
    bool dashed = false; // a line's
    bool shaded = false; // a box's: filled, no edge
    std::string text;    // a text's
    Anchor anchor = Anchor::Start;
    bool bold = false;
    bool operator==(const Shape&) const = default;
};

// Shapes made the common way. Examples: line({{0, 0}, {1, 0}}, 0.4) is a
// line an inch long, 0.4 points wide; text({0, 1}, "1 in", 7) a text of 7
// points starting at (0, 1); box({0, 0}, {0.1, 0.1}) an unshaded square.
Shape line(std::vector<Point> points, double width = 0.5, bool dashed = false);
Shape text(Point at, std::string s, double size, Shape::Anchor anchor = Shape::Anchor::Start);
Shape box(Point topLeft, Point bottomRight, bool shaded = false, double width = 0.4);

// A drawing for the screen, width by height inches from its top left
// corner, and its text alternative for readers; empty, nothing to draw.
struct Picture {
    double width = 0, height = 0;
    std::vector<Shape> shapes;
    std::string alternative;
    bool operator==(const Picture&) const = default;
};

// What paints shapes on a view's device: one for each engine, for paper
// and the screen alike.
class Painter {
public:
    virtual ~Painter() = default;
    virtual void paint(const Shape& s) = 0;
    // Until unclip, only what lies within this rectangle shows.
    virtual void clip(Point topLeft, Point bottomRight) = 0;
    virtual void unclip() = 0;
};

} // namespace planner
