// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/scrolling.h"

#include <algorithm>

namespace planner {

std::int16_t scrolled(const ScrollSettings& bar, int now, ScrollMove move, int thumb)
{
    int next = now;
    switch (move) {
    case ScrollMove::LineUp:
        next = now - bar.smallChange;
        break;
    case ScrollMove::LineDown:
        next = now + bar.smallChange;
        break;
    case ScrollMove::PageUp:
        next = now - bar.largeChange;
        break;
    case ScrollMove::PageDown:
        next = now + bar.largeChange;
        break;
    case ScrollMove::Top:
        next = bar.min;
        break;
    case ScrollMove::Bottom:
        next = bar.max;
        break;
    case ScrollMove::Thumb:
        next = thumb;
        break;
    }
    return static_cast<std::int16_t>(std::clamp(next, int(bar.min), int(bar.max)));
}

} // namespace planner
