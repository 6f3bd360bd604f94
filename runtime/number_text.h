// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The two conversions between doubles and decimal text that the runtime
// builds on, by either of two means: the standard library's std::to_chars
// and std::from_chars where it converts doubles (libstdc++ 12, on every
// target, MinGW-w64's too); in the browser, whose libc++ has none, the
// script engine's own Number conversions, which are exact as the
// standard's are. Neither depends on a locale. Both give the same text and
// the same double, to the last bit; the same tests hold both to the same
// examples.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rt::numtext {

// A finite double to 15 significant digits, as printf's "%.15g" writes it:
// rounded to the nearest, an exact tie to the even digit. Examples:
// 0.30000000000000004 is "0.3"; -0.000015 is "-1.5e-05"; 1e15 is "1e+15";
// 123456789012344.5 is "123456789012344"; the largest double is
// "1.79769313486232e+308".
std::string general15(double d);

// The nearest double to a decimal text "digits[.digits]e[-]digits", no
// sign, not zero; none when it lies beyond the doubles, past the largest
// or closer to 0 than the smallest subnormal (the caller knows which).
// Examples: "58.42e0" is 58.42; "1e-310" is that subnormal; "1e-400" and
// "1.797693134862326e308" are none.
std::optional<double> decimal(std::string_view text);

} // namespace rt::numtext
