// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/figures.h"

#include <cmath>

#include "calc/decplaces.h"
#include "calc/units.h"

namespace planner {

namespace {

constexpr UnitDesign unitDesigns[] = {
    {"in", calc::units::mmPerInch, 3, 4}, {"mm", 1, 2, 2}, {"cm", calc::units::mmPerCm, 3, 3}};

} // namespace

std::string figure(double x, int places)
{
    calc::decplaces(rt::Value(x), rt::Value(std::int16_t(places)));
    return calc::rounded.toText();
}

std::string cat(std::initializer_list<std::string_view> parts)
{
    std::string s;
    for (const std::string_view p : parts)
        s += p;
    return s;
}

const UnitDesign& designOf(Unit u)
{
    return unitDesigns[static_cast<int>(u)];
}

int otherPlaces(Unit u, int places)
{
    const double other = u == Unit::Inches ? 1 : calc::units::mmPerInch;
    // A step of 10^-places u is 10^-places * mm / other of the other unit.
    return int(std::lround(places - std::log10(designOf(u).mm / other)));
}

std::string inBoth(double value, Unit u, int places)
{
    const bool inches = u == Unit::Inches;
    const double mm = value * designOf(u).mm;
    return cat({figure(value, places), " ", designOf(u).symbol, " (",
                figure(inches ? mm : mm / calc::units::mmPerInch, otherPlaces(u, places)),
                inches ? " mm)" : " in)"});
}

} // namespace planner
