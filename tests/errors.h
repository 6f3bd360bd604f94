// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The run-time error a call raises, for comparing in tests.
#pragma once

#include "runtime/runtime_error.h"

// The error code f raised, or ErrorCode{} (no such code) if it raised none.
// Example: errorOf([] { rt::strictToDouble(""); }) is ErrorCode::TypeMismatch.
template <typename F> rt::ErrorCode errorOf(F f)
{
    try {
        f();
    } catch (const rt::RuntimeError& e) {
        return e.code();
    }
    return rt::ErrorCode{};
}
