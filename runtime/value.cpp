// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/value.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "runtime/number_text.h"

namespace rt {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isValBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// A number as read from a text, not yet converted: the mantissa as
// "[-]digits[.digits]" with the blanks left out, and the decimal exponent.
struct Scanned {
    std::string mantissa;
    long exponent = 0;
    bool hasDigits = false;
    std::size_t end = 0; // one past the last character that belongs to it
};

// Reads the longest leading number from text, skipping the characters for
// which skip() is true wherever they stand.
template <typename Skip> Scanned scanNumber(std::string_view text, Skip skip)
{
    Scanned s;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && skip(text[i]))
            ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            s.mantissa += '-';
        ++i;
    }
    bool point = false;
    for (skipBlanks(); i < text.size(); ++i, skipBlanks()) {
        if (isDigit(text[i])) {
            s.mantissa += text[i];
            s.hasDigits = true;
        } else if (text[i] == '.' && !point) {
            s.mantissa += '.';
            point = true;
        } else {
            break;
        }
    }
    s.end = i;
    if (!s.hasDigits || i >= text.size() || (text[i] != 'e' && text[i] != 'E'))
        return s;
    // An exponent counts only once it has a digit; "1e" reads as 1.
    ++i;
    skipBlanks();
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long exponent = 0;
    bool expDigits = false;
    for (skipBlanks(); i < text.size() && isDigit(text[i]); ++i, skipBlanks()) {
        exponent = std::min(exponent * 10 + (text[i] - '0'), 999'999'999L);
        expDigits = true;
    }
    if (expDigits) {
        s.exponent = negative ? -exponent : exponent;
        s.end = i;
    }
    return s;
}

// The decimal order of a scanned number that is not zero (2 for 123, -3 for
// 0.00123), to tell an overflow from an underflow when it does not fit.
long decimalOrder(const Scanned& s)
{
    const std::string_view m = s.mantissa;
    const auto point = std::min(m.find('.'), m.size());
    const auto first = m.find_first_of("123456789");
    const long place = first < point ? static_cast<long>(point - first) - 1
                                     : static_cast<long>(point) - static_cast<long>(first);
    return s.exponent + place;
}

enum class OnHuge { Infinity, Raise };

// The absolute value of a scanned number times 10^exponentShift: +infinity
// past the largest double, 0 below the smallest.
double absoluteValue(const Scanned& s, long exponentShift)
{
    const bool negative = s.mantissa.front() == '-';
    const std::string digits =
        s.mantissa.substr(negative ? 1 : 0) + 'e' + std::to_string(s.exponent + exponentShift);
    if (const std::optional<double> result = numtext::decimal(digits))
        return *result;
    return decimalOrder(s) + exponentShift > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

double convert(const Scanned& s, OnHuge onHuge)
{
    if (!s.hasDigits || s.mantissa.find_first_of("123456789") == std::string::npos)
        return 0.0;
    double result = absoluteValue(s, 0);
    if (std::isinf(result)) {
        // The 15-digit text of the largest doubles rounds up past the largest
        // double ("1.79769313486232E+308"); it still reads as the largest, so
        // that every text form reads back.
        constexpr double largest = std::numeric_limits<double>::max();
        if (absoluteValue(s, -1) <= largest / 10 * (1 + 5e-15))
            result = largest;
        else if (onHuge == OnHuge::Raise)
            throw RuntimeError(ErrorCode::Overflow);
    }
    return s.mantissa.front() == '-' ? -result : result;
}

double checked(double result)
{
    if (std::isnan(result))
        throw RuntimeError(ErrorCode::InvalidOperation);
    if (std::isinf(result))
        throw RuntimeError(ErrorCode::Overflow);
    return result;
}

} // namespace

std::string intToText(std::int32_t i)
{
    std::array<char, 16> buf{};
    const auto end = std::to_chars(buf.data(), buf.data() + buf.size(), i).ptr;
    return std::string(buf.data(), end);
}

std::string doubleToText(double d)
{
    checked(d);
    if (d == 0.0)
        return "0";
    std::string text = numtext::general15(d);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

double val(std::string_view text)
{
    return convert(scanNumber(text, isValBlank), OnHuge::Infinity);
}

double strictToDouble(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        throw RuntimeError(ErrorCode::TypeMismatch);
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    const Scanned s = scanNumber(text, [](char) { return false; });
    if (!s.hasDigits || s.end != text.size())
        throw RuntimeError(ErrorCode::TypeMismatch);
    return convert(s, OnHuge::Raise);
}

double dmul(double a, double b)
{
    return checked(a * b);
}

double ddiv(double a, double b)
{
    if (b == 0.0 && a != 0.0 && !std::isnan(a))
        throw RuntimeError(ErrorCode::DivisionByZero);
    return checked(a / b);
}

double dpow(double a, double b)
{
    if (a == 0.0 && b < 0.0)
        throw RuntimeError(ErrorCode::DivisionByZero);
    return checked(std::pow(a, b));
}

double Value::toDouble() const
{
    if (const auto* i = std::get_if<std::int16_t>(&v_))
        return *i;
    if (const auto* d = std::get_if<double>(&v_))
        return *d;
    if (const auto* s = std::get_if<std::string>(&v_))
        return strictToDouble(*s);
    return 0.0;
}

std::string Value::toText() const
{
    if (const auto* i = std::get_if<std::int16_t>(&v_))
        return intToText(*i);
    if (const auto* d = std::get_if<double>(&v_))
        return doubleToText(*d);
    if (const auto* s = std::get_if<std::string>(&v_))
        return *s;
    return {};
}

Value operator+(const Value& a, const Value& b)
{
    return checked(a.toDouble() + b.toDouble());
}
Value operator*(const Value& a, const Value& b)
{
    return dmul(a.toDouble(), b.toDouble());
}
Value operator/(const Value& a, const Value& b)
{
    return ddiv(a.toDouble(), b.toDouble());
}
Value power(const Value& base, const Value& exponent)
{
    return dpow(base.toDouble(), exponent.toDouble());
}

Value Int(const Value& v)
{
    return std::floor(v.toDouble());
}

std::int32_t toInt32(const Value& v)
{
    const double x = v.toDouble();
    if (std::isnan(x))
        throw RuntimeError(ErrorCode::Overflow);
    // Ties to even, by hand so that it does not hang on the FPU rounding mode.
    double whole = std::floor(x);
    const double fraction = x - whole; // exact for every double
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max())
        throw RuntimeError(ErrorCode::Overflow);
    return static_cast<std::int32_t>(whole);
}

std::int16_t toInt16(const Value& v)
{
    const std::int32_t i = toInt32(v);
    if (i < std::numeric_limits<std::int16_t>::min() ||
        i > std::numeric_limits<std::int16_t>::max())
        throw RuntimeError(ErrorCode::Overflow);
    return static_cast<std::int16_t>(i);
}

float toSingle(const Value& v)
{
    const double d = v.toDouble();
    const auto f = static_cast<float>(d);
    if (std::isinf(f) && !std::isinf(d))
        throw RuntimeError(ErrorCode::Overflow);
    return f;
}

} // namespace rt
