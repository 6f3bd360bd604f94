// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checking a dish the builder already has, from what they measured, without
// a toolkit: where its focus is, how far its surface is from a parabola and
// what that costs, where the feed goes; and the nearest setting of the
// planner's bars. Lengths come in one unit the user chooses, and every
// length result is given in it and in the other system (inches with
// millimetres, millimetres and centimetres with inches). Every figure is
// one a dish can have: past the bounds of bounds.h the check says so
// in words instead.
//
// A round (prime-focus) dish: the diameter D, rim to rim, and 3 to 100
// measurements along a straight edge laid across the rim through the
// middle, each a position along the edge (from any fixed mark, one way)
// and the depth from the edge down to the surface there. The depths are
// fitted by least squares with h(x) = a + b x - k x^2, k = 1 / 4f: the
// focal length, the centre (x = b / 2k) and its depth. Each point's
// surface error is its depth off the curve times cos^2(psi / 2), psi its
// angle from the axis at the focus (tan(psi / 2) = r / 2f, r from the
// centre): the half path-length error Ruze's rule takes; their RMS is over
// N - 3 points, the fit having taken three. By Ruze's rule, the gain lost
// at the window's frequency and the highest frequency within 1 dB; the
// gain by the planner's rule less that loss; the angle the feed must
// illuminate, twice the rim angle (tan(rim / 2) = D / 4f); the nearest
// bars, D in whole inches and D^2 / 16f in tenths; and a picture of the
// points against the curve. The deviations are given to a place finer
// than the finest depth typed, and no finer than the unit's.
//
// An offset dish: its width W (across, the shorter), its height H (along
// the long axis) and its greatest depth d, square to a straight edge laid
// along the long axis rim to rim. Cut from a paraboloid of focal length f,
// its rim projects along the axis to a circle of diameter W, so
// f = W^3 / (16 d H), the offset angle has cos = W / H, and the focus lies
// f + y from each rim point at height y on the parent parabola.
//
// Worked by hand:
//  - offset, W 460 mm, H 500 mm, d 43 mm: f = 282.95 mm (11.14 in), the
//    offset angle 23.07 degrees, f/W 0.615, the focus 283.06 mm from the
//    lower rim and 479.02 mm from the upper;
//  - round, D 24 in, positions 0, 4, 8 ... 24 in, depths 3 - (x - 12)^2 / 48:
//    f = 12 in, the centre at 12, 3 deep, RMS 0, the feed to illuminate
//    106.3 degrees;
//  - the same with the third depth 0.1 in deeper (2.7667): f = 11.873 in,
//    the centre at 11.979 in, 3.029 in deep, the third point furthest,
//    0.0714 in below the curve; the surface error RMS 0.0408 in (1.036
//    mm); at 2400 MHz 0.05 dB lost, within 1 dB up to about 11100 MHz,
//    20.6 dBi; the planner at 24 inches, 3.0 deep.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "builder/figures.h"
#include "builder/shapes.h"

namespace planner {

enum class DishShape : std::uint8_t { Round, Offset };

// What the user typed, exactly; a decimal comma reads as a point. A row
// left blank is no measurement.
struct DishInput {
    DishShape shape = DishShape::Round;
    Unit unit = Unit::Inches;
    std::string diameter;                         // round
    std::vector<std::array<std::string, 2>> rows; // round: a position and a depth each
    std::string width, height, depth;             // offset
};

// An input the user types: with its row, for a row's position or depth.
enum class Field : std::uint8_t { Diameter, Position, Depth, Width, Height, OffsetDepth, Rows };

// What the user must change, in one sentence, by the field it is about.
struct Problem {
    Field field;
    int row = -1; // from 0, for Position and Depth
    std::string sentence;
};

// A result with its label. Example: {"Focal length", "11.873 in (301.57 mm)"}.
struct Result {
    std::string label, value;
    bool operator==(const Result&) const = default;
};

// The planner's bars: the diameter in whole inches, the depth in tenths.
struct BarSetting {
    std::int16_t diameter, depth;
    bool operator==(const BarSetting&) const = default;
};

// The dish a check found, in millimetres, for the builder's other tools:
// its focal length and diameter (an offset dish's width), its surface's
// error where the points tell it, and an offset dish's rim heights above
// its parent's axis.
struct CheckedDish {
    DishShape shape = DishShape::Round;
    Unit unit = Unit::Inches; // what its figures were typed in
    double focalLength = 0, diameter = 0;
    std::optional<double> surfaceError;
    double lowerRim = 0, upperRim = 0;
    bool operator==(const CheckedDish&) const = default;
};

struct DishCheck {
    std::vector<Problem> problems;     // none when the results stand
    std::vector<Result> results;       // none while there is a problem
    std::vector<std::string> notes;    // what the results rest on, or lack
    std::optional<BarSetting> setting; // the nearest the bars come
    std::optional<CheckedDish> dish;   // with the results
    Picture picture;                   // a round dish's points against its curve
};

// What the builder's tools take of the planner's window: its frequency as
// shown ("2400"), and the ranges of its diameter bar (inches) and depth
// bar (tenths of an inch); and its dish as shown, in inches ("24", "12",
// "0.5").
struct WindowFacts {
    std::string frequency;
    std::int16_t diameterMin = 0, diameterMax = 0, depthMin = 0, depthMax = 0;
    std::string diameter, focalLength, ratio;
};

// The check of the dish measured, at the window's frequency; with nothing
// typed yet for its shape, nothing: no problem and no result.
DishCheck checkDish(const DishInput& input, const WindowFacts& window);

// What screen readers are told of a check once typing pauses: its first
// problem, or its chief figures. Example: "Focal length 11.873 in (301.57
// mm). F/D ratio 0.495. Surface error, RMS 0.0408 in (1.036 mm)."
std::string checkAnnouncement(const DishCheck& check);

} // namespace planner
