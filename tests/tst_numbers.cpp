// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's numbers, against figures written out by hand: the
// runtime's text forms and its two readings, in any locale, arithmetic,
// conversions and counting loop; then rounding and gain (the dish profile
// is the worked states', in tst_session and every view's test). Built
// twice: with the standard library's number conversions, and by Emscripten
// for the browser, with the script engine's, run under Node.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <vector>

#include "calc/curve.h"
#include "calc/decplaces.h"
#include "calc/ggainn.h"
#include "runtime/counting_loop.h"
#include "runtime/value.h"
#include "window/control_model.h"

using rt::ErrorCode;
using rt::Value;

namespace {

constexpr auto none = ErrorCode{}, TM = ErrorCode::TypeMismatch, OV = ErrorCode::Overflow,
               DZ = ErrorCode::DivisionByZero, IO = ErrorCode::InvalidOperation;
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double top = std::numeric_limits<double>::max();
constexpr long long fails = 99999; // a conversion that overflows
const auto i16 = [](int i) { return Value(std::int16_t(i)); };

// The error code f raised, or ErrorCode{} (no such code) if it raised none.
template <typename F> ErrorCode errorOf(F f)
{
    try {
        f();
    } catch (const rt::RuntimeError& e) {
        return e.code();
    }
    return ErrorCode{};
}

// The tables of cases, one row each; the number texts every build of the
// runtime must give and read alike first.
namespace cases {
// clang-format off
const struct { const char* name; rt::Value value; } textForms[] = { // name: the text form
    {"", rt::Value()}, {"-42", rt::Value(std::int16_t(-42))}, {" 1 2", rt::Value(" 1 2")},
    {"0.3", 3 * 0.1},
    {"38.1", 1.5 * 25.4}, {"3.13", 313.0 / 100}, {"0.666666666666667", 2.0 / 3},
    {"-0.125", -0.125}, {"0", -0.0}, {"123456789012345", 123456789012345.0}, {"1E+15", 1e15},
    {"0.0001", 0.0001}, {"-1.5E-05", -0.000015}, {"1.79769313486232E+308", top},
    // exact ties, to the even digit: 10^15 + 5, and 123456789012344 + 1/2
    {"1E+15", 1000000000000005.0}, {"1.00000000000002E+15", 1000000000000015.0},
    {"123456789012344", 123456789012344.5}, {"4.94065645841247E-324", 4.9406564584124654e-324}};

// Val never fails; the strict reading takes a number and nothing else, and
// else gives what Val gives.
const struct { const char* name; double val; ErrorCode strict; } readings[] = { // name: the text read
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

// clang-format off
const struct { const char* name; Value (*compute)(); double result; ErrorCode error; } sums[] = {
    {"30000 / text", [] { return i16(30000) / Value("1200"); }, 25, none},
    {"integers widen", [] { return i16(2) + i16(3); }, 5, none},
    {"empty is 0", [] { return Value() + i16(2); }, 2, none},
    {"text times", [] { return Value("2.5") * i16(4); }, 10, none},
    {"0 ^ 0", [] { return rt::power(0.0, 0.0); }, 1, none},
    {"Int 740.5", [] { return rt::Int(740.5); }, 740, none},
    {"Int -0.5", [] { return rt::Int(-0.5); }, -1, none},
    {"1 / 0", [] { return Value(1.0) / Value(0.0); }, 0, DZ},
    {"0 / 0", [] { return Value(0.0) / Value(0.0); }, 0, IO},
    {"* overflows", [] { return Value(1e308) * i16(10); }, 0, OV},
    {"+ overflows", [] { return Value(1.7e308) + Value(1.7e308); }, 0, OV},
    {"/ overflows", [] { return Value(1e308) / Value(1e-10); }, 0, OV},
    {"root of negative", [] { return rt::power(-8.0, 1.0 / 3); }, 0, IO},
    {"0 ^ -1", [] { return rt::power(0.0, -1.0); }, 0, DZ},
    {"^ overflows", [] { return rt::power(i16(10), 400.0); }, 0, OV},
    {"text not a number", [] { return Value("x") * Value(1.0); }, 0, TM},
    {"a single beyond its range", [] { return Value(double(rt::toSingle(Value(1e39)))); }, 0, OV},
    {"a loop that would never end", [] {
        rt::countingLoop(i16(0), i16(1), i16(0), [](const Value&) {}); return Value(); }, 0, IO}};

// Nearest, ties to even.
const struct { const char* name; double x; long long int16, int32; } conversions[] = {
    {"2.5", 2.5, 2, 2}, {"3.5", 3.5, 4, 4}, {"-2.5", -2.5, -2, -2}, {"2.6", 2.6, 3, 3},
    {"32767.4", 32767.4, 32767, 32767}, {"-32768.5", -32768.5, -32768, -32768},
    {"32767.5", 32767.5, fails, 32768}, {"-32769", -32769, fails, -32769},
    {"-2147483648.5", -2147483648.5, fails, -2147483648LL},
    {"2147483647.5", 2147483647.5, fails, fails}, {"NaN", std::nan(""), fails, fails}};

const struct { const char* name; double start, end, step; std::vector<double> seen; } loops[] = {
    {"fractional end", 0, 2.5, 1, {0, 1, 2}},  {"end reached", 0, 2, 1, {0, 1, 2}},
    {"never", 1, 0, 1, {}},                    {"downwards", 3, 1, -1, {3, 2, 1}},
    {"downwards, fractional", 3, 1.5, -1, {3, 2}}};

const struct { const char* name; double x, rounded; } roundings[] = {
    {"3.125", 3.125, 3.13},         {"2.675", 2.675, 2.68},   {"1.005 lies below", 1.005, 1},
    {"7.4375", 7.4375, 7.44},       {"0.005", 0.005, 0.01},   {"0.004", 0.004, 0},
    {"-0.125 goes up", -0.125, -0.12}, {"-0.126", -0.126, -0.13},
    {"4.225 (169/40)", 4.225, 4.22}, {"1.225 (49/40)", 1.225, 1.23}};

// The gain's first digits: to 1e-5, finer than any figure shows.
const struct { const char *name, *frequency; double diameter, gainFrom; } gains[] = {
    {"10 in", "1200", 10, 5.09397},     {"40 in", "1200", 40, 81.50352},
    {"2400 MHz", "2400", 24, 117.36508}, {"10000 MHz", "10000", 40, 5659.96730},
    {"pi is 3.14159", "1716", 24, 59.99996}};
// clang-format on
} // namespace cases

// In the C locale and in a comma-decimal one alike (where that is
// installed: the browser's C library has only the C locale).
TEST_CASE("number texts and their two readings, in any locale")
{
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        INFO(locale);
        if (!std::setlocale(LC_ALL, locale)) {
#ifndef __EMSCRIPTEN__
            FAIL("the locale is not installed");
#endif
            continue;
        }
        for (const auto& r : cases::textForms)
            CHECK_EQ(r.value.toText(), std::string(r.name));
        for (const auto& r : cases::readings) {
            INFO("reading \"" << r.name << "\"");
            CHECK_EQ(rt::val(r.name), r.val);
            double strict = r.val;
            CHECK_EQ(errorOf([&] { strict = rt::strictToDouble(r.name); }), r.strict);
            CHECK_EQ(strict, r.val);
        }
    }
    std::setlocale(LC_ALL, "C");
}

TEST_CASE("arithmetic, conversions and the counting loop")
{
    for (const auto& r : cases::sums) {
        INFO(r.name);
        Value got;
        CHECK_EQ(errorOf([&] { got = r.compute(); }), r.error);
        if (r.error == none)
            CHECK(got == Value(r.result)); // always a double
    }
    for (const auto& r : cases::conversions) {
        INFO(r.name);
        long long got16 = fails, got32 = fails;
        errorOf([&] { got16 = rt::toInt16(Value(r.x)); });
        errorOf([&] { got32 = rt::toInt32(Value(r.x)); });
        CHECK_EQ(got16, r.int16);
        CHECK_EQ(got32, r.int32);
    }
    for (const auto& r : cases::loops) {
        INFO(r.name);
        Value last(r.end);
        std::vector<double> got;
        rt::countingLoop(Value(r.start), last, Value(r.step), [&](const Value& at) {
            got.push_back(at.toDouble());
            last = Value(10.0); // the end was taken once, at entry
        });
        CHECK(got == r.seen);
    }
    INFO("a message no handler's error line gives"); // 6, 5, 9 and 11 are the handlers'
    CHECK_EQ(std::string(rt::RuntimeError(TM).what()), "Run-time error 13: Type mismatch");
}

TEST_CASE("rounding and gain")
{
    for (const auto& r : cases::roundings) {
        INFO(r.name);
        calc::decplaces(Value(r.x), i16(2));
        CHECK(calc::rounded == Value(r.rounded));
        CHECK_EQ(errorOf([] { calc::decplaces(Value(1e307), i16(2)); }), ErrorCode::Overflow);
        CHECK(calc::rounded == Value(r.rounded)); // a failed call leaves the slot
    }
    for (const auto& r : cases::gains) {
        INFO(r.name);
        calc::ggainn(Value(r.frequency), Value(r.diameter));
        const double g = calc::gain.toDouble();
        CHECK((g >= r.gainFrom && g < r.gainFrom + 1e-5));
        CHECK_EQ(errorOf([] { calc::ggainn(Value("12 GHz"), Value(24.0)); }), TM);
        CHECK_EQ(calc::gain.toDouble(), g); // a frequency of 0: see the handlers' errors
    }
}

// The profile's one failure the window cannot reach (its bars give no ratio
// of 0): 0 / 0 at r = 0, after the profile is cleared.
TEST_CASE("a ratio of 0 fails on a cleared profile")
{
    planner::ControlModel m;
    calc::curve(Value(11.0), Value(0.5), m);
    CHECK_EQ(errorOf([&] { calc::curve(Value(11.0), Value(0.0), m); }), IO);
    CHECK_EQ(m.caption(planner::LabelArray::label8, 0), "");
}

} // namespace
