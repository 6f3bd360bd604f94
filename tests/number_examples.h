// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The number texts every build of the runtime must give and read alike:
// the text forms of values, and how Val and the strict reading take texts.
// Written out by hand. Plain C++, for the Qt tests and for the browser
// build's test under Node alike.
#pragma once

#include <cstdint>
#include <limits>

#include "runtime/runtime_error.h"
#include "runtime/value.h"

namespace examples {

inline constexpr double inf = std::numeric_limits<double>::infinity();
inline constexpr double top = std::numeric_limits<double>::max();
inline constexpr auto none = rt::ErrorCode{}, TM = rt::ErrorCode::TypeMismatch,
                      OV = rt::ErrorCode::Overflow;

// clang-format off
struct TextForm { const char* name; rt::Value value; }; // name: the text form
inline const TextForm textForms[] = {
    {"", rt::Value()}, {"-42", rt::Value(std::int16_t(-42))}, {" 1 2", rt::Value(" 1 2")},
    {"0.3", 3 * 0.1},
    {"38.1", 1.5 * 25.4}, {"3.13", 313.0 / 100}, {"0.666666666666667", 2.0 / 3},
    {"-0.125", -0.125}, {"0", -0.0}, {"123456789012345", 123456789012345.0}, {"1E+15", 1e15},
    {"0.0001", 0.0001}, {"-1.5E-05", -0.000015}, {"1.79769313486232E+308", top}};

// Val never fails; the strict reading takes a number and nothing else, and
// else gives what Val gives.
struct Reading { const char* name; double val; rt::ErrorCode strict; }; // name: the text read
inline const Reading readings[] = {
    {"", 0, TM},            {" 1 2", 12, TM},          {".49", 0.49, none},
    {" -3 ", -3, none},     {"\t4\n5", 45, TM},        {"-1.5e2x", -150, TM},
    {"+2E+3", 2000, none},  {"1E-05", 0.00001, none},  {"1e", 1, TM},
    {"1,5", 1, TM},         {"1.2.3", 1.2, TM},        {"abc", 0, TM},
    {"-", 0, TM},           {"1\r2", 1, TM},           {"1e-400", 0, none},
    {"1e-310", 1e-310, none}, // a subnormal
    {"-1e400", -inf, OV},   {"1e99999999999999", inf, OV},
    {"1.79769313486232E+308", top, none}, // the largest double's own text
    {"1.797693134862324E+308", top, none}, {"1.797693134862326E+308", inf, OV}};
// clang-format on

} // namespace examples
