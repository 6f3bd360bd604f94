// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures as the builder's tools write them: rounded to so many places,
// halves up, by the window's own rounding (calc::decplaces), in its own
// number text. Examples: figure(3.125, 2) is "3.13"; figure(282.949, 1)
// is "282.9"; figure(12, 2) is "12"; figure(0.615, 3) is "0.615". And
// texts made of parts; and lengths in the user's unit with the other
// system beside them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace planner {

std::string figure(double x, int places);

// The parts, one after another: cat({"F/D ", "0.5"}) is "F/D 0.5". One
// call, where a chain of + would make a string at each step.
std::string cat(std::initializer_list<std::string_view> parts);

// The units a builder measures in: each with its symbol, its size in
// millimetres, and the places of a length and of a deviation in it.
enum class Unit : std::uint8_t { Inches, Millimetres, Centimetres };
struct UnitDesign {
    std::string_view symbol;
    double mm;
    int places, finePlaces;
};
const UnitDesign& designOf(Unit u);

// The places in the other system (inches for millimetres and centimetres,
// millimetres for inches) whose step lies nearest a step of so many
// places in u. Examples: 3 places of an inch (0.0254 mm) are 2 of a
// millimetre; 2 of a millimetre are 3 of an inch; 3 of a centimetre are 3
// of an inch.
int otherPlaces(Unit u, int places);

// A length in u to so many places, then in the other system to the same
// precision. Examples: inBoth(11.873, Inches, 3) is "11.873 in (301.57
// mm)"; inBoth(282.95, Millimetres, 2) is "282.95 mm (11.14 in)";
// inBoth(0.0714, Inches, 4) is "0.0714 in (1.814 mm)".
std::string inBoth(double value, Unit u, int places);
inline std::string inBoth(double value, Unit u)
{
    return inBoth(value, u, designOf(u).places);
}

} // namespace planner
