// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/metrics.h"

#include <cmath>

namespace planner {

int toPixels(double twips, int dpi)
{
    return static_cast<int>(std::floor(twips * dpi / twipsPerInch + 0.5));
}

} // namespace planner
