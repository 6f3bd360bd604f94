// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/metrics.h"

#include <cmath>

namespace planner {

int toPixels(double twips, int dpi)
{
    return static_cast<int>(std::floor(twips * dpi / twipsPerInch + 0.5));
}

namespace {

// 8 points is the size with which every heading fits its label.
constexpr FontDesign fonts[] = {
    {{"MS Shell Dlg 2", "Liberation Sans", "Arial", "Helvetica"}, 160, 400},
    {{"MS Sans Serif", "Liberation Sans", "Arial", "Helvetica"}, 195, 700},
};
static_assert(std::size(fonts) == static_cast<std::size_t>(Font::Bold) + 1);

} // namespace

const FontDesign& fontOf(Font f)
{
    return fonts[static_cast<int>(f)];
}

} // namespace planner
