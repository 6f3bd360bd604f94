// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/runtime_error.h"

#include <string>

namespace rt {

const char* errorName(ErrorCode code)
{
    switch (code) {
    case ErrorCode::InvalidOperation:
        return "Invalid operation";
    case ErrorCode::Overflow:
        return "Overflow";
    case ErrorCode::SubscriptOutOfRange:
        return "Subscript out of range";
    case ErrorCode::DivisionByZero:
        return "Division by zero";
    case ErrorCode::TypeMismatch:
        return "Type mismatch";
    }
    return "Unknown error";
}

RuntimeError::RuntimeError(ErrorCode code)
    : std::runtime_error("Run-time error " + std::to_string(static_cast<int>(code)) + ": " +
                         errorName(code)),
      code_(code)
{
}

} // namespace rt
