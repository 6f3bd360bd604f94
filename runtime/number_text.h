// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The two conversions between doubles and decimal text that the runtime
// builds on, by either of two means: the standard library's std::to_chars
// and std::from_chars where it converts doubles (libstdc++), else the C
// library's snprintf and strtod, in the C locale whatever the process's
// (Emscripten's libc++ has no floating-point to_chars or from_chars). Both
// give the same text and the same double, to the last bit; the same tests
// hold both to the same examples.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <version> // __cpp_lib_to_chars, _GLIBCXX_RELEASE

// Whether the standard library's means are used; the C library's stand in
// where it has none, or where PLANNER_NUMTEXT_C_LIBRARY asks for them (the
// tests run the runtime both ways). libstdc++ 12 converts doubles on every
// target, MinGW-w64's too, where it leaves __cpp_lib_to_chars undefined
// for want of uselocale.
#if ((defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L) ||                           \
     (defined(_GLIBCXX_RELEASE) && _GLIBCXX_RELEASE >= 12)) &&                                   \
    !defined(PLANNER_NUMTEXT_C_LIBRARY)
#define PLANNER_NUMTEXT_STANDARD 1
#else
#define PLANNER_NUMTEXT_STANDARD 0
#endif

namespace rt::numtext {

// A finite double to 15 significant digits, as printf's "%.15g" writes it.
// Examples: 0.30000000000000004 is "0.3"; -0.000015 is "-1.5e-05"; 1e15
// is "1e+15"; the largest double is "1.79769313486232e+308".
std::string general15(double d);

// The nearest double to a decimal text "digits[.digits]e[-]digits", no
// sign, not zero; none when it lies beyond the doubles, past the largest
// or closer to 0 than the smallest subnormal (the caller knows which).
// Examples: "58.42e0" is 58.42; "1e-310" is that subnormal; "1e-400" and
// "1.797693134862326e308" are none.
std::optional<double> decimal(std::string_view text);

} // namespace rt::numtext
