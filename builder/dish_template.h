// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The builder's template: the dish's half-section at full size, to cut
// from card, plywood or sheet metal, tiled onto sheets that fit both A4 and
// US Letter inside half-inch margins, without a toolkit. It describes the
// dish the window's figures describe: the curve is y = r^2 / (4 f) with f
// the focal length as shown, from the vertex to the rim, with its depth at
// every whole inch of radius to two places; the axis, the vertex, the rim
// and the focal point are drawn. Every sheet carries a 100 mm square and a
// 4-inch rule to check the printer's scale, its place in the assembly, and
// the instruction to print at 100%; the first sheet also the dish's figures.
//
// Worked by hand: 2400 MHz, 24 inches, 3 inches deep has a focal length of
// 12 in, F/D 0.5, gain 117 (20.7 dBi), a wavelength of 125 mm, a rim angle
// of 53.1 degrees, a beamwidth of about 14.4 degrees and wants its surface
// within 4.8 mm RMS; its marks run 0, 0.02, 0.08, 0.19 ... 2.52, 3; it
// takes two sheets side by side, and its focal point, 12 inches up, lies
// beyond them.
//
// What a sheet holds is shapes in inches from its printable area's top
// left corner; a view draws them as they are, the drawing's only within
// the sheet's tile.
#pragma once

#include <string>
#include <vector>

#include "builder/shapes.h"

namespace planner {

// The window's figures, as its captions show them: what the template is
// drawn from. The profile is the depth figure at each inch of radius, as
// the window's profile shows it ("" beyond the rim).
struct ShownDish {
    std::string freq, diam, diamMm, depth, depthMm, flen, flenMm, fdr, gain;
    std::vector<std::string> profile;
};

// A sheet's printable area, in inches: within half-inch margins on A4
// (8.27 by 11.69 inches) and on US Letter (8.5 by 11) alike, from the
// paper's top left corner.
inline constexpr double sheetMargin = 0.5;
inline constexpr double sheetWidth = 7.25, sheetHeight = 9.9;

// One sheet: the part of the drawing it shows (its tile, a rectangle on
// the sheet); the grey strips where its neighbours lie on it; the
// drawing's shapes that fall on it; and its own (among them its place in
// the assembly, row 1 at the top, column 1 at the axis).
struct Sheet {
    Point tileTopLeft, tileBottomRight;
    std::vector<Shape> strips, drawing, own;
};

// A sheet painted in its order: the strips, the drawing only within the
// tile, then its own shapes, which lie over both.
void paintSheet(const Sheet& sheet, Painter& painter);

struct DishTemplate {
    double focalLength = 0, radius = 0, rimDepth = 0; // inches, as the figures give them
    std::vector<std::string> marks;   // the depth at radius 0, 1, 2 ... to two places
    bool differsFromProfile = false;  // the window's profile, from the rounded F/D, shows others
    bool focalPointOnSheets = false;  // else an arrow on the axis gives its distance
    std::vector<std::string> figures; // the first sheet's lines
    int rows = 0, columns = 0;
    std::vector<Sheet> sheets; // row by row, each left to right
};

// The template of the dish the window shows; without sheets where its
// focal length or diameter is not above 0 (a handler has failed).
DishTemplate dishTemplate(const ShownDish& shown);

} // namespace planner
