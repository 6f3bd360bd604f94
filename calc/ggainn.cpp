// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ggainn.h"

#include "calc/units.h"

namespace calc {

rt::Value gain;

void ggainn(const rt::Value& frequency, const rt::Value& diameter)
{
    const rt::Value wavelength = rt::Value(units::cmTimesMHz) / frequency;
    const double diameterCm = rt::dmul(rt::val(diameter.toText()), units::cmPerInch);
    // Pi to five places, not M_PI: with it 1716 MHz on a 24-inch dish would
    // show a gain of 60 where the planner has always shown 59.
    const rt::Value circumference = rt::Value(3.14159) * rt::Value(diameterCm);
    const rt::Value ratio = circumference / wavelength;
    const rt::Value square = rt::power(ratio, rt::Value(std::int16_t{2}));
    gain = square * rt::Value(0.5);
}

} // namespace calc
