// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the parts of a vertical scroll bar stand, in CSS pixels from the
// bar's top: an arrow at each end as tall as the bar is wide, the track
// between them, and the thumb in the track, its top at the value's place.
// The smaller end of the range is at the top, as in the desktop views.
#pragma once

#include <algorithm>
#include <cmath>

#include "window/design.h"

namespace planner::web {

struct BarGeometry {
    int length; // the whole bar
    int arrow;  // each arrow's height: the bar's width
    int thumb;  // the thumb's height

    // A bar of length by width pixels: a thumb as long as a large change is
    // of the whole range, and never shorter than an arrow. Example: vsbDiam
    // (10 to 40, large change 1) at 121 by 17 has a track of 87 and a thumb
    // of 17 (87 / 31 would be 3).
    static BarGeometry of(const ScrollSettings& s, int length, int width)
    {
        const int track = length - 2 * width;
        const int range = s.max - s.min;
        const int proportional =
            static_cast<int>(std::lround(double(track) * s.largeChange / (range + s.largeChange)));
        return {length, width, std::clamp(proportional, width, track)};
    }

    int travel() const { return length - 2 * arrow - thumb; }

    // The thumb's top for a value, to the nearest pixel. Example: vsbDiam
    // at 10 is 17 (just below the upper arrow), at 40 is 87 (17 + 70).
    int thumbTop(const ScrollSettings& s, int value) const
    {
        return arrow + static_cast<int>(std::lround(double(value - s.min) * travel() /
                                                    std::max(1, s.max - s.min)));
    }

    // The value for a thumb's top where it was let go, to the nearest,
    // within the range. Example: vsbDiam's thumb let go at 52 is 25.
    int valueAt(const ScrollSettings& s, double top) const
    {
        const double share = travel() > 0 ? (top - arrow) / travel() : 0.0;
        const int value = s.min + static_cast<int>(std::lround(share * (s.max - s.min)));
        return std::clamp(value, int(s.min), int(s.max));
    }
};

} // namespace planner::web
