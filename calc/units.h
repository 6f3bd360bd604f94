// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The units the planner converts between, each written once. Lengths are
// worked in inches; a millimetre figure is the inch figure times 25.4; the
// gain works in centimetres, 2.54 to the inch, with the wavelength in
// centimetres as 30000 over the frequency in MHz (light goes 30000 cm in a
// microsecond, near enough).
// Examples: 24 inches are 609.6 mm and 60.96 cm; at 2400 MHz the
// wavelength is 12.5 cm, 125 mm; the depth bar at 30 is 3.0 inches.
#pragma once

#include <cstdint>

namespace calc::units {

inline constexpr double mmPerInch = 25.4;
inline constexpr double cmPerInch = 2.54;
inline constexpr double mmPerCm = 10;
// The depth bar steps a tenth of an inch: its value is the depth in tenths.
inline constexpr int depthStepsPerInch = 10;
// A wavelength in centimetres times its frequency in MHz; a 16-bit
// integer, as the gain's arithmetic takes it.
inline constexpr std::int16_t cmTimesMHz = 30000;

constexpr double wavelengthCm(double mhz)
{
    return cmTimesMHz / mhz;
}
constexpr double wavelengthMm(double mhz)
{
    return wavelengthCm(mhz) * mmPerCm;
}

} // namespace calc::units
