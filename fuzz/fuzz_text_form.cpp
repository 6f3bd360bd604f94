// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The text form of any finite double reads back, by the strict rule, as that
// double to 15 significant digits, and prints again as the same text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "runtime/value.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    double d = 0.0;
    if (size < sizeof d)
        return 0;
    std::memcpy(&d, data, sizeof d);
    if (!std::isfinite(d))
        return 0;
    const std::string text = rt::doubleToText(d);
    if (text.find(' ') != std::string::npos || text.find(',') != std::string::npos)
        std::abort();
    const double back = rt::strictToDouble(text); // must not raise
    // 15 significant digits: off by at most half a unit in the 15th digit,
    // plus the rounding of that decimal to the nearest double.
    const double unit = std::nextafter(std::abs(d), HUGE_VAL) - std::abs(d);
    const double tolerance = std::abs(d) * 5e-15 + unit;
    if (std::abs(back - d) > tolerance)
        std::abort();
    if (rt::doubleToText(back) != text)
        std::abort();
    return 0;
}
