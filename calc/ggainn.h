// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The gain of a parabolic dish as a power ratio (not in decibels).
#pragma once

#include "runtime/value.h"

namespace calc {

// The result slot of ggainn: empty until the first call, then the gain of
// the latest call that succeeded. Read it right after the call.
extern rt::Value gain;

// gain = 0.5 * (3.14159 * 2.54 * D / (30000 / f))^2, with f the frequency in
// MHz (normally a text, read by the strict rule) and D the diameter in
// inches (passed through its text form and Val). Pi is 3.14159 on purpose.
// Examples: ("1200", 10) gives 5.09397...; ("1716", 24) gives 59.99996...,
// whose whole part is 59 (the full pi would make it 60).
// A frequency that reads as 0 is a division by zero and one that is not a
// number a type mismatch; either leaves gain as it was.
void ggainn(const rt::Value& frequency, const rt::Value& diameter);

} // namespace calc
