// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Val reads any text without raising, and agrees with the strict reading
// wherever the strict reading accepts the text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "runtime/value.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double loose = rt::val(text); // any exception here escapes: a finding
    if (std::isnan(loose))
        std::abort();
    double strict = 0.0;
    try {
        strict = rt::strictToDouble(text);
    } catch (const rt::RuntimeError& e) {
        const auto code = e.code();
        if (code != rt::ErrorCode::TypeMismatch && code != rt::ErrorCode::Overflow)
            std::abort();
        if (code == rt::ErrorCode::Overflow && !std::isinf(loose))
            std::abort(); // too large for one reading must be too large for the other
        return 0;
    }
    if (strict != loose)
        std::abort();
    return 0;
}
