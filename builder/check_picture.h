// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture of a round dish's check: the straight edge across the top,
// the parabola fitted to the depths below it, and each point measured, its
// distance off the curve drawn so many times larger (1, 2 or 5 times a
// power of ten, so that the furthest lies about a third of an inch off),
// with a bar that marks the scale; and its text alternative. Depths run
// down the picture, positions across it, each to its own scale.
//
// Example: the 24-inch dish of 7 points with the third 0.0714 in below its
// curve, 3.029 in deep, draws its depths 1.3 / 3.029 = 0.43 picture inches
// to the inch and the third point 10 times as far off the curve, with the
// bar for 0.05 in; its alternative ends "point 3 lies furthest, 0.0714 in
// below it."
#pragma once

#include <vector>

#include "builder/figures.h"
#include "builder/parabola_fit.h"
#include "builder/shapes.h"

namespace planner {

// The points, each one's depth off the curve along the axis and its row,
// the fit, the unit and the places of a deviation.
struct Section {
    const std::vector<double>&x, &h, &axial;
    const std::vector<int>& row;
    ParabolaFit fit;
    Unit unit;
    int places;
};

Picture sectionPicture(const Section& s);

// The magnification that draws a deviation of `furthest` picture inches
// as about `room` inches, from 1 to 1000 times: 1, 2 or 5 times a power of
// ten. Example: 0.0714 in at 0.43 picture inches a dish inch (0.0307)
// into 0.35 is 11.4 times, and so 10.
double magnification(double furthest, double room);

} // namespace planner
