// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How every view turns the design's twips into its own pixels, without a
// toolkit: one rule, so that the views place and size alike to the last
// pixel.
#pragma once

#include "window/design.h"

namespace planner {

// Twips as whole device pixels at dpi dots per inch: twips * dpi / 1440,
// to the nearest, halves up. At 96 dpi every place in the design table is
// a whole number of pixels (15 twips each); a profile bar's height mostly
// is not. Examples: 1320 twips at 96 dpi are 88 pixels; the bar of 2016.129
// twips is 134 (134.4); 7.5 twips are 1 (0.5, up); 255 twips at 144 dpi
// are 26 (25.5, up); 0 is 0.
int toPixels(double twips, int dpi);

// The dpi at which a CSS pixel, or a Qt logical pixel, is 15 twips.
inline constexpr int logicalDpi = twipsPerInch / twipsPerPixel; // 96

// Twips as whole CSS or Qt logical pixels. Example: 1320 twips are 88.
inline int toLogicalPixels(double twips)
{
    return toPixels(twips, logicalDpi);
}

} // namespace planner
