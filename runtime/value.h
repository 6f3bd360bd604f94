// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The loosely typed value of the planner, its number-text conversions and its
// arithmetic. Plain C++, independent of the process locale: a full stop is
// always the decimal point, whatever LC_NUMERIC says.
//
// Why a loose value rather than plain doubles: every figure the planner
// shows depends on which kind each step computes with (a scroll bar's
// 16-bit integer, a caption's text read back, a double), and on the text
// forms in between (15 significant digits, so 3 * 0.1 shows 0.3). Keeping
// the kinds makes each step compute exactly as the figures require.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "runtime/runtime_error.h"

namespace rt {

// Empty (never assigned), a 16-bit integer, a double or a text.
// Examples: Value() is empty; Value(std::int16_t{2}) holds the integer 2;
// Value(0.1) the double nearest 0.1; Value("1200") the text "1200".
class Value {
public:
    Value() = default;
    Value(std::int16_t i) : v_(i) {}
    Value(double d) : v_(d) {}
    Value(std::string s) : v_(std::move(s)) {}
    Value(const char* s) : v_(std::string(s)) {}

    // Whether it holds a double, as every result of value arithmetic does.
    bool isDouble() const { return std::holds_alternative<double>(v_); }

    // The number a value stands for in arithmetic: empty is 0, an integer
    // widens, a text is read by the strict rule (strictToDouble).
    // Example: Value("25").toDouble() == 25.0; Value("x").toDouble() raises
    // a type mismatch.
    double toDouble() const;

    // The value's own text form: empty is "", an integer by intToText, a
    // double by doubleToText, a text unchanged.
    std::string toText() const;

    // Same kind and same content; a test aid (doubles compare with ==).
    bool operator==(const Value&) const = default;

private:
    std::variant<std::monostate, std::int16_t, double, std::string> v_;
};

// Decimal digits with a minus sign before negatives and no blank.
// Example: intToText(-42) == "-42".
std::string intToText(std::int32_t i);

// Rounded to 15 significant digits; trailing zeros and a bare trailing
// point dropped; "0" before the point below 1; a minus sign before
// negatives; no blank. Magnitudes below 1e-4 or from 1e15 up take the
// exponent form "1.5E-05", "1E+15". Negative zero prints "0".
// Examples: 3 * 0.1 (0.30000000000000004) prints "0.3";
// 1.5 * 25.4 (38.099999999999994) prints "38.1"; 313.0 / 100 prints "3.13".
std::string doubleToText(double d);

// Reads the leading number of a text and never fails. Blanks, tabs and line
// feeds are skipped anywhere; then an optional sign, digits with at most one
// full stop, an optional exponent (E or e, optional sign, digits). Reading
// stops at the first other character; no number gives 0. A magnitude beyond
// a double gives plus or minus infinity, one too small for a double 0.
// Examples: val("") == 0; val(" 1 2") == 12; val(".49") == 0.49;
// val("-1.5e2x") == -150; val("12abc") == 12; val("1e") == 1; val("abc") == 0.
double val(std::string_view text);

// Reads a text that must be a number and nothing else: blanks around it
// allowed, then the same form as val. Anything else ("", "1 2", "12abc",
// "1,5") is a type mismatch; a magnitude beyond a double is an overflow;
// one too small for a double gives 0.
// Examples: strictToDouble("58.42") == 58.42; strictToDouble(" -3 ") == -3;
// strictToDouble("1E-05") == 0.00001; strictToDouble("") raises.
double strictToDouble(std::string_view text);

// Double multiply, divide and power in IEEE double, tested afterwards:
// a result that is not a number is an invalid operation (0 / 0 included),
// a non-zero number divided by 0 is a division by zero, and an infinite
// result is an overflow. Example: ddiv(0, 0) raises InvalidOperation.
double dmul(double a, double b);
double ddiv(double a, double b);
double dpow(double a, double b);

// Value arithmetic: each operand is taken by toDouble, the operation is the
// checked double one above, and the result is always a double.
// Example: Value(std::int16_t{30000}) / Value("1200") == Value(25.0).
Value operator+(const Value& a, const Value& b);
Value operator*(const Value& a, const Value& b);
Value operator/(const Value& a, const Value& b);
Value power(const Value& base, const Value& exponent);

// Floor, towards minus infinity; the result stays a double.
// Examples: Int(740.5) == 740.0; Int(-0.5) == -1.0.
Value Int(const Value& v);

// Nearest integer, ties to the even one; out of range is an overflow.
// Examples: toInt16(Value(2.5)) == 2; toInt16(Value(3.5)) == 4;
// toInt16(Value(32767.5)) raises Overflow (32768 does not fit).
std::int32_t toInt32(const Value& v);
std::int16_t toInt16(const Value& v);

// Nearest single; a finite number beyond a single's range is an overflow.
// Example: toSingle(Value(13.888888888888889)) == 13.888889f.
float toSingle(const Value& v);

} // namespace rt
