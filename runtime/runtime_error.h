// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one exception type of the planner's runtime: every operation that
// cannot give a right number raises it instead of returning a wrong one.
#pragma once

#include <stdexcept>

namespace rt {

// The run-time errors, numbered as the classic BASIC runtimes number them,
// so that a report names the same error whichever view or platform ran it.
enum class ErrorCode {
    InvalidOperation = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
};

// Example: RuntimeError(ErrorCode::DivisionByZero).what() is
// "Run-time error 11: Division by zero".
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorCode code);
    ErrorCode code() const { return code_; }

private:
    ErrorCode code_;
};

// The error's name alone, e.g. "Type mismatch".
const char* errorName(ErrorCode code);

} // namespace rt
