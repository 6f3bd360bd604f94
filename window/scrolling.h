// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a scroll bar's value goes for each way of moving it, for the views
// whose toolkit leaves that to the program. Every bar has the smaller end
// of its range at the top.
#pragma once

#include <cstdint>

#include "window/design.h"

namespace planner {

// An arrow click (line), a track click (page), a key to an end, or the
// release of the dragged thumb at a value.
enum class ScrollMove : std::uint8_t { LineUp, LineDown, PageUp, PageDown, Top, Bottom, Thumb };

// The bar's value after the move: by the small change for a line, the
// large change for a page, towards the smaller end going up; an end for
// Top and Bottom; thumb for a released thumb. A result beyond an end of
// the range is that end. Examples, on vsbFreq (1200 to 10000, lines of 1
// and pages of 100): from 1200, LineDown gives 1201 and LineUp 1200; from
// 9950, PageDown gives 10000; Thumb at 20000 gives 10000.
std::int16_t scrolled(const ScrollSettings& bar, int now, ScrollMove move, int thumb = 0);

} // namespace planner
