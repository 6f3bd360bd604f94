// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Rounding to a count of decimal places, halves going upwards.
#pragma once

#include "runtime/value.h"

namespace calc {

// The result slot of decplaces: empty until the first call, then the result
// of the latest call that succeeded. Read it right after the call. (The
// procedures keep their results in module slots rather than returning them
// so that each stays step for step the procedure the figures come from.)
extern rt::Value rounded;

// Leaves Int(x * 10^n + 0.5) / 10^n in rounded, one double operation at a
// time in that order, with no decimal correction. Neither argument changes.
// Examples with n = 2: 3.125 gives 3.13; -0.125 gives -0.12 (halves go
// towards plus infinity); 1.005 gives 1, since 1.005 * 100 is
// 100.49999999999999; 4.225 gives 4.22 but 1.225 gives 1.23.
// An overflow of x * 10^n raises and leaves rounded as it was.
void decplaces(const rt::Value& x, const rt::Value& n);

} // namespace calc
