// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Value arithmetic on any two values of any kind: either a finite double,
// or the runtime's own error, and the right one of them.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/value.h"

namespace {

// Takes one value off the front of the input: its kind from one byte, then
// two bytes for an integer, eight for a double, or a length-prefixed text.
rt::Value take(const std::uint8_t*& p, const std::uint8_t* end)
{
    if (p == end)
        return {};
    const int kind = *p++ % 4;
    if (kind == 1 && end - p >= 2) {
        std::int16_t i;
        std::memcpy(&i, p, 2);
        p += 2;
        return rt::Value(i);
    }
    if (kind == 2 && end - p >= 8) {
        double d;
        std::memcpy(&d, p, 8);
        p += 8;
        return std::isfinite(d) ? rt::Value(d) : rt::Value(0.0);
    }
    if (kind == 3 && p != end) {
        const std::size_t wanted = *p++;
        const std::size_t n = std::min(wanted, std::size_t(end - p));
        std::string s(reinterpret_cast<const char*>(p), n);
        p += n;
        return rt::Value(s);
    }
    return {};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const int op = data[0] % 6;
    const std::uint8_t* p = data + 1;
    const std::uint8_t* end = data + size;
    const rt::Value a = take(p, end), b = take(p, end);
    try {
        rt::Value r;
        switch (op) {
        case 0:
            r = a + b;
            break;
        case 1:
            r = a * b;
            break;
        case 2:
            r = a / b;
            break;
        case 3:
            r = rt::power(a, b);
            break;
        case 4:
            r = rt::Value(double(rt::toInt16(a)));
            break;
        default:
            r = rt::Int(a);
            break;
        }
        if (!r.isDouble() || !std::isfinite(r.toDouble()))
            std::abort();
        (void)r.toText(); // a finite result always prints
    } catch (const rt::RuntimeError& e) {
        if (op == 2 && e.code() == rt::ErrorCode::DivisionByZero && b.toDouble() != 0.0)
            std::abort();
    }
    return 0;
}
