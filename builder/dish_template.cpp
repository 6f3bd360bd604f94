// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/dish_template.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "builder/antenna.h"
#include "builder/figures.h"
#include "calc/units.h"
#include "runtime/value.h"

namespace planner {

namespace {

using Anchor = Shape::Anchor;

// A sheet, top to bottom: two lines of heading; the tile, where the
// drawing shows; the 100 mm square with the 4-inch rule beside it.
constexpr double headingHeight = 0.45, tileHeight = 5.35, footTop = 5.84;
constexpr double overlap = 0.5; // where two sheets lie one on the other
constexpr double margin = 0.5;  // around the curve, for its labels; beyond the rim, half

using calc::units::mmPerInch;
constexpr double square = 100 / mmPerInch, rule = 4;
constexpr double stepAcross = sheetWidth - overlap, stepDown = tileHeight - overlap;
constexpr double textSize = 8, smallSize = 7;

std::string inchesAndMm(double inches)
{
    return inBoth(inches, Unit::Inches, 2);
}

Shape label(Point at, std::string s, double size = smallSize, Anchor anchor = Anchor::Start)
{
    return planner::text(at, std::move(s), size, anchor);
}

// The figures of the first sheet, from the captions as shown.
std::vector<std::string> figuresOf(const ShownDish& s)
{
    const double mhz = rt::val(s.freq), cm = calc::units::wavelengthCm(mhz),
                 mm = calc::units::wavelengthMm(mhz); // as the gain has it
    const double d = rt::val(s.diam), f = rt::val(s.flen);
    const double rimAngle = antenna::rimHalfAngle(d, f) * 180 / std::numbers::pi;
    const double rms = mm * antenna::oneDbError();
    return {"Frequency " + s.freq + " MHz",
            "Diameter " + s.diam + " in (" + s.diamMm + " mm)",
            "Depth " + s.depth + " in (" + s.depthMm + " mm)",
            "Focal length " + s.flen + " in (" + s.flenMm + " mm)",
            "F/D ratio " + s.fdr,
            "Gain " + s.gain + " (" + figure(antenna::dB(rt::val(s.gain)), 1) + " dBi)",
            "Wavelength " + inBoth(mm, Unit::Millimetres, 1),
            "Rim angle " + figure(rimAngle, 1) + "\u00b0 (at the focus, from the axis)",
            "Beamwidth (-3 dB) about " + figure(70 * cm / (d * calc::units::cmPerInch), 1) +
                "\u00b0",
            "Surface within " + inBoth(rms, Unit::Millimetres, 1) + " RMS: at most 1 dB lost"};
}

// How many tiles of `tile` inches, each sharing `overlap` with the next,
// cover `length` inches.
int tilesFor(double length, double tile)
{
    return length <= tile ? 1 : 1 + int(std::ceil((length - tile) / (tile - overlap) - 1e-9));
}

// The drawing, in inches from the vertex: x along the rim's radius, y up
// the axis. It spans -margin to radius + margin / 2 across and -margin to
// top.
struct Drawing {
    const DishTemplate& t;
    double top;
    std::vector<Shape> shapes;

    void curve()
    {
        const double f = t.focalLength, r = t.radius;
        std::vector<Point> points;
        for (double x = 0; x < r; x += 0.05)
            points.push_back({x, x * x / (4 * f)});
        points.push_back({r, r * r / (4 * f)});
        shapes.push_back(line(std::move(points), 1.2));
        shapes.push_back(line({{0, 0}, {r, 0}}, 0.4)); // the plane of the vertex
        shapes.push_back(line({{0, -margin + 0.1}, {0, top - 0.05}}, 0.5, true));
        shapes.push_back(label({0.06, top - 0.15}, "axis"));
        shapes.push_back(label({0.06, -0.33}, "vertex"));
    }

    // At each whole inch: the depth up from the vertex's plane, its figure.
    void marks()
    {
        for (int r = 0; r < int(t.marks.size()); ++r) {
            const double y = double(r * r) / (4 * t.focalLength);
            shapes.push_back(line({{double(r), -0.08}, {double(r), y}}, 0.3));
            shapes.push_back(label({r + 0.04, y + 0.07}, t.marks[r]));
            shapes.push_back(
                label({double(r), -0.2}, std::to_string(r), smallSize, Anchor::Middle));
        }
        shapes.push_back(
            label({t.radius, -0.2 - 0.12}, "inches of radius", smallSize, Anchor::End));
    }

    void rimAndFocus()
    {
        const double r = t.radius, d = t.rimDepth, f = t.focalLength;
        shapes.push_back(line({{r, 0}, {r, d}}, 0.5));
        shapes.push_back(label({r - 0.05, d + 0.15},
                               "rim: radius " + inchesAndMm(r) + ", depth " + inchesAndMm(d),
                               smallSize, Anchor::End));
        if (t.focalPointOnSheets) {
            shapes.push_back(line({{-0.12, f}, {0.12, f}}, 0.8));
            shapes.push_back(
                label({0.16, f - 0.03}, "focal point, " + inchesAndMm(f) + " from the vertex"));
            return;
        }
        const double tip = top - 0.3; // an arrow up the axis: the focal point lies beyond
        shapes.push_back(line({{-0.07, tip - 0.12}, {0, tip}, {0.07, tip - 0.12}}, 0.8));
        shapes.push_back(label({0.16, tip - 0.1}, "focal point " + inchesAndMm(f) +
                                                      " from the vertex, beyond the sheets"));
    }
};

// Where a point of the drawing stands on the sheet of row i, column j
// (from 0): the tile's top left corner is the drawing's left edge and the
// top of the row.
Point onSheet(Point p, double top, int i, int j)
{
    return {p.x + margin - j * stepAcross, headingHeight + top - i * stepDown - p.y};
}

// Whether a shape on a sheet falls on its tile (a text by its anchor, with
// room for its letters).
bool onTile(const Shape& s)
{
    const bool isText = s.kind == Shape::Kind::Text;
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (const Point& p : s.points) {
        left = std::min(left, p.x - (isText ? 4 : 0)),
        right = std::max(right, p.x + (isText ? 4 : 0));
        top = std::min(top, p.y - (isText ? 0.2 : 0)), bottom = std::max(bottom, p.y);
    }
    return right >= 0 && left <= sheetWidth && bottom >= headingHeight &&
           top <= headingHeight + tileHeight;
}

// A cross to lay over its twin on the next sheet.
void cross(std::vector<Shape>& own, Point at)
{
    own.push_back(line({{at.x - 0.15, at.y}, {at.x + 0.15, at.y}}, 0.4));
    own.push_back(line({{at.x, at.y - 0.15}, {at.x, at.y + 0.15}}, 0.4));
    own.push_back(box({at.x - 0.05, at.y - 0.05}, {at.x + 0.05, at.y + 0.05}));
}

// The strips a sheet shares with its neighbours: shaded where the next
// sheet across or down lies on it, and crosses in each strip, at the same
// places of the drawing on both.
void strips(Sheet& sheet, const DishTemplate& t, int i, int j)
{
    const double tileTop = headingHeight, tileBottom = headingHeight + tileHeight;
    std::vector<Shape>& own = sheet.own;
    own.push_back(box({0, tileTop}, {sheetWidth, tileBottom})); // the tile's edge
    if (j + 1 < t.columns)
        sheet.strips.push_back(
            box({sheetWidth - overlap, tileTop}, {sheetWidth, tileBottom}, true));
    if (i + 1 < t.rows)
        sheet.strips.push_back(box({0, tileBottom - overlap}, {sheetWidth, tileBottom}, true));
    for (const double third : {1.0 / 3, 2.0 / 3}) {
        if (j + 1 < t.columns)
            cross(own, {sheetWidth - overlap / 2, tileTop + third * tileHeight});
        if (j > 0)
            cross(own, {overlap / 2, tileTop + third * tileHeight});
        if (i + 1 < t.rows)
            cross(own, {third * sheetWidth, tileBottom - overlap / 2});
        if (i > 0)
            cross(own, {third * sheetWidth, tileTop + overlap / 2});
    }
}

// The 100 mm square and the 4-inch rule, to measure the printer's scale.
void scales(std::vector<Shape>& own)
{
    own.push_back(box({0, footTop}, {square, footTop + square}));
    own.push_back(label({0.1, footTop + 0.2}, "This square is 100 mm", textSize));
    const double x = square + 0.3;
    own.push_back(line({{x, footTop}, {x, footTop + rule}}, 0.5));
    for (int eighth = 0; eighth <= 8 * int(rule); ++eighth) {
        const double y = footTop + eighth / 8.0, tick = eighth % 8 ? eighth % 4 ? 0.06 : 0.1 : 0.18;
        own.push_back(line({{x, y}, {x + tick, y}}, 0.4));
        if (eighth % 8 == 0)
            own.push_back(
                label({x + 0.22, y + 0.04}, std::to_string(eighth / 8) + (eighth ? " in" : "")));
    }
}

// Lines of text from a point down.
void lines(std::vector<Shape>& own, Point at, const std::vector<std::string>& texts)
{
    for (const std::string& s : texts)
        own.push_back(label(at, s)), at.y += 0.17;
}

// What a sheet says of itself and of the assembly; the first, the dish.
void notes(std::vector<Shape>& own, const DishTemplate& t, int i, int j)
{
    const int n = i * t.columns + j + 1;
    own.push_back(label({0, 0.16},
                        "Parabolic dish template: sheet " + std::to_string(n) + " of " +
                            std::to_string(t.rows * t.columns) + ", row " + std::to_string(i + 1) +
                            " of " + std::to_string(t.rows) + ", column " + std::to_string(j + 1) +
                            " of " + std::to_string(t.columns),
                        9));
    own.back().bold = true;
    own.push_back(
        label({0, 0.36},
              "Print at 100% (actual size, not fit to page). Measure the square before cutting.",
              textSize));
    lines(own, {square + 0.95, footTop + 0.1},
          {"Rows run from the top, columns", "from the axis outwards. Trim a",
           "sheet at its tile's edge where a", "neighbour lies on it, lay it on",
           "the neighbour's grey strip, and", "match the crosses."});
    if (n != 1)
        return;
    lines(own, {0.15, footTop + 0.5}, t.figures);
    if (t.differsFromProfile)
        lines(own, {square + 0.95, footTop + 1.3},
              {"The window's profile follows the", "F/D ratio as rounded, so its",
               "figures differ from these, which", "follow the focal length shown."});
}

std::vector<Sheet> tiled(const DishTemplate& t, double top, const std::vector<Shape>& drawing)
{
    std::vector<Sheet> sheets;
    for (int i = 0; i < t.rows; ++i) {
        for (int j = 0; j < t.columns; ++j) {
            Sheet sheet{{0, headingHeight}, {sheetWidth, headingHeight + tileHeight}, {}, {}, {}};
            for (Shape s : drawing) {
                for (Point& p : s.points)
                    p = onSheet(p, top, i, j);
                if (onTile(s))
                    sheet.drawing.push_back(std::move(s));
            }
            strips(sheet, t, i, j);
            scales(sheet.own);
            notes(sheet.own, t, i, j);
            sheets.push_back(std::move(sheet));
        }
    }
    return sheets;
}

} // namespace

void paintSheet(const Sheet& sheet, Painter& painter)
{
    for (const Shape& s : sheet.strips)
        painter.paint(s);
    painter.clip(sheet.tileTopLeft, sheet.tileBottomRight);
    for (const Shape& s : sheet.drawing)
        painter.paint(s);
    painter.unclip();
    for (const Shape& s : sheet.own)
        painter.paint(s);
}

DishTemplate dishTemplate(const ShownDish& dish)
{
    DishTemplate t;
    t.focalLength = rt::val(dish.flen);
    t.radius = rt::val(dish.diam) / 2;
    if (!(t.focalLength > 0 && t.radius > 0))
        return t; // no dish to draw
    t.rimDepth = t.radius * t.radius / (4 * t.focalLength);
    for (int r = 0; r <= int(t.radius); ++r) {
        t.marks.push_back(figure(double(r * r) / (4 * t.focalLength), 2));
        t.differsFromProfile = t.differsFromProfile || (std::size_t(r) < dish.profile.size() &&
                                                        t.marks.back() != dish.profile[r]);
    }
    t.figures = figuresOf(dish);
    t.columns = tilesFor(t.radius + 1.5 * margin, sheetWidth);
    t.rows = tilesFor(t.rimDepth + 2 * margin, tileHeight);
    // The drawing fills its rows from the vertex's margin up; the focal
    // point is on them where it leaves room for its label.
    const double top = tileHeight + (t.rows - 1) * stepDown - margin;
    t.focalPointOnSheets = t.focalLength + 0.3 <= top;
    Drawing d{t, top, {}};
    d.curve();
    d.marks();
    d.rimAndFocus();
    t.sheets = tiled(t, d.top, d.shapes);
    return t;
}

} // namespace planner
