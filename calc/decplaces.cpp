// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/decplaces.h"

namespace calc {

rt::Value rounded;

void decplaces(const rt::Value& x, const rt::Value& n)
{
    const rt::Value p = rt::power(rt::Value(std::int16_t{10}), n);
    rt::Value t = x * p;
    // Halves up in plain double, with no decimal correction: 4.225 (just
    // below 4225/1000 as a double) rounds to 4.22, as the planner has always
    // shown it. Do not "fix" this with a decimal or epsilon rounding.
    t = t + rt::Value(0.5);
    t = rt::Int(t);
    rounded = t / p;
}

} // namespace calc
