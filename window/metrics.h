// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How every view turns the design's twips into its own pixels, and the
// window's two fonts, without a toolkit. One rule and one table, so that
// the views place and size alike to the last pixel.
#pragma once

#include <array>
#include <string_view>

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

// A font as the design gives it: the faces to try, first that exists;
// its size in twips (20 to a point); its weight (400 normal, 700 bold).
struct FontDesign {
    std::array<std::string_view, 4> faces;
    int twips;
    int weight;
    double points() const { return twips / 20.0; }
};

// The window's default font, and the figures' bold one ("MS Sans Serif"
// 9.75 pt, weight 700), each with Liberation Sans (Arial's metrics) and
// the like standing in where the design's face is missing. Example: the
// bold font is 195 twips, toPixels(195, 96) = 13 pixels high.
const FontDesign& fontOf(Font f);

} // namespace planner
