// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The counting loop over values.
#pragma once

#include "runtime/value.h"

namespace rt {

// Start, end and step are read once, at entry. The body runs while the
// counter has not passed the end (not greater for a positive step, not less
// for a negative one); the counter then grows by the step, in double
// precision. A fractional end is compared, not rounded.
// Examples: from 0 to 12.5 step 1 the body sees 0, 1, ..., 12 (13 times);
// from 0 to 20 it runs 21 times; from 1 to 0 it never runs.
// A step of 0 would never end and is an invalid operation.
template <typename Body>
void countingLoop(const Value& start, const Value& end, const Value& step, Body body)
{
    double counter = start.toDouble();
    const double last = end.toDouble();
    const double by = step.toDouble();
    if (by == 0.0)
        throw RuntimeError(ErrorCode::InvalidOperation);
    while (by > 0.0 ? counter <= last : counter >= last) {
        body(Value(counter));
        counter = (Value(counter) + Value(by)).toDouble();
    }
}

} // namespace rt
