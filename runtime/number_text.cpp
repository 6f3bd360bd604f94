// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/number_text.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

#include <cmath>
#include <string>
#else
#include <array>
#include <charconv>
#endif

#ifdef __EMSCRIPTEN__
// "%.15g" from the engine's toExponential, which rounds to the nearest as
// printf does but takes the larger of an exact tie: there the odd last
// digit is brought down to the even one, the tie checked on the double's
// exact value (its significand times a power of two) in whole numbers.
// Example: 123456789012344.5 is 1.23456789012345e+14 to toExponential,
// "123456789012344" to printf.
// clang-format off
EM_JS(void, numtext_general15, (double d, char* out, int size), {
    const a = Math.abs(d);
    const [mantissa, power] = a.toExponential(14).split("e");
    const exponent = Number(power);
    let digits = mantissa.split(".").join("");
    if (a !== 0 && "13579".includes(digits[14]) && a.toExponential(15).endsWith("5e" + power)) {
        // BigInt(n), not literals, which the module's optimiser cannot read
        const big = BigInt, one = big(1), two = big(2), ten = big(10);
        const bits = new BigUint64Array(new Float64Array([a]).buffer)[0];
        const biased = Number(bits >> big(52));
        const fraction = bits & ((one << big(52)) - one);
        const significand = biased ? fraction | (one << big(52)) : fraction;
        const twos = (biased || 1) - 1075, tens = exponent - 14;
        // a == (digits - 1/2) * 10^tens, both sides times 2, in whole numbers
        let left = two * significand, right = two * big(digits) - one;
        if (twos >= 0) left <<= big(twos); else right <<= big(-twos);
        if (tens >= 0) right *= ten ** big(tens); else left *= ten ** big(-tens);
        if (left === right)
            digits = (big(digits) - one).toString();
    }
    // %g: fixed from 1e-4 up to 1e15, else with an exponent of two digits
    // at least; no trailing zeros after the point, nor a bare point.
    const fixed = exponent >= -4 && exponent < 15;
    let text = !fixed ? digits[0] + "." + digits.slice(1)
             : exponent >= 0 ? digits.slice(0, exponent + 1) + "." + digits.slice(exponent + 1)
             : "0." + "0".repeat(-exponent - 1) + digits;
    let end = text.length;
    while (text[end - 1] === "0")
        --end;
    if (text[end - 1] === ".")
        --end;
    text = text.slice(0, end);
    if (!fixed)
        text += "e" + (exponent < 0 ? "-" : "+") + String(Math.abs(exponent)).padStart(2, "0");
    stringToUTF8((d < 0 || Object.is(d, -0) ? "-" : "") + text, out, size);
});
EM_JS(double, numtext_decimal, (const char* text), { return Number(UTF8ToString(text)); });
// clang-format on
#endif

namespace rt::numtext {

#ifdef __EMSCRIPTEN__
std::string general15(double d)
{
    char buf[32]; // "-1.23456789012345e-308" and its terminator
    numtext_general15(d, buf, sizeof buf);
    return buf;
}

std::optional<double> decimal(std::string_view text)
{
    const double d = numtext_decimal(std::string(text).c_str());
    if (std::isinf(d) || d == 0.0) // the text is no zero: it lies beyond the doubles
        return std::nullopt;
    return d;
}
#else
std::string general15(double d)
{
    std::array<char, 32> buf{};
    const auto end =
        std::to_chars(buf.data(), buf.data() + buf.size(), d, std::chars_format::general, 15).ptr;
    return std::string(buf.data(), end);
}

std::optional<double> decimal(std::string_view text)
{
    double d = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), d);
    if (ec == std::errc::result_out_of_range)
        return std::nullopt;
    return d;
}
#endif

} // namespace rt::numtext
