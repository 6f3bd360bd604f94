// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dish profile: depth of the paraboloid at every whole inch of radius,
// drawn as bars and figures into the window's two label arrays.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/value.h"

namespace calc {

// The members of each of the window's two label arrays, one for each whole
// inch of radius from 0 to 20.
inline constexpr std::int16_t profileMembers = 21;
// The entries of the module's arrays, radius 0 to 50: room for dishes
// larger than the label arrays can show.
inline constexpr std::size_t radiusEntries = 51;

// What curve draws into: the bars (label7) and the figures (label8), each
// addressed by an index from 0 to profileMembers - 1. Any other index raises the
// subscript-out-of-range error.
class ProfileLabels {
public:
    virtual ~ProfileLabels() = default;
    virtual void setBarHeight(std::int16_t index, float twips) = 0;
    virtual void setBarCaption(std::int16_t index, std::string caption) = 0;
    virtual void setFigureCaption(std::int16_t index, std::string caption) = 0;
};

// The module's values. Only curve writes them; they keep what the latest
// call left. The arrays hold radiusEntries and are never cleared: entries above the latest radius
// keep older values.
extern rt::Value radius;                         // diameter / 2, the end of the profile loop
extern rt::Value fourD;                          // diameter * 4
extern rt::Value fourF;                          // fourD * F/D ratio: four times the focal length
extern std::array<rt::Value, radiusEntries> rsq; // r^2
extern std::array<rt::Value, radiusEntries> rdepth;   // rsq(r) / fourF, inches
extern std::array<rt::Value, radiusEntries> rrounded; // rdepth(r) rounded to 2 places
extern rt::Value scratch;                             // the copy handed to decplaces

// Clears all profileMembers bars (height 0) and figures (""), then for r = 0, 1, ...
// while r <= diameter / 2 draws bar r at rdepth(r) * 1000 twips (single
// precision) with the caption r, and figure r as rdepth(r) rounded to two
// places. Bar captions above the radius keep their earlier text.
// Example: 24 inches at F/D 0.75 draws members 0 to 12, figure 12 "2" on a
// bar 2000 twips high, figure 1 "0.01" on 13.888889 twips; 11 inches draws
// members 0 to 5.
// Failures, each after what came before was drawn: a diameter or ratio of 0
// raises at r = 0 (0 / 0, an invalid operation) on a cleared profile; a diameter of 42
// or more raises the subscript error at r = 21 after members 0 to 20.
void curve(const rt::Value& diameter, const rt::Value& ratio, ProfileLabels& labels);

} // namespace calc
