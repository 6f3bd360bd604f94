// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The feed that suits a dish, as a form (builder/form.h): the dish as the
// planner's window shows it or as the dish check found it, at the
// window's frequency; a can feed by its inner diameter, or the builder's
// own feed by its -10 dB beamwidth; its outer diameter, which shades the
// dish; a solid surface and its error, or a mesh by its hole and wire.
// It gives the geometry at the focus (the rim's half-angle and the space
// loss there; for an offset dish the angles to both rims, where the feed
// points and what it covers), the feed's pattern, the efficiency budget
// term by term in percent and dB, the gain it leaves, the best feed of its
// kind for this dish, a can's dimensions, and a picture of the pattern
// against the rim. The physics is feed_physics.h's.
//
// Worked by hand: the window's 24-inch dish 3 inches deep (F/D 0.5) at
// 2400 MHz has a rim half-angle of 2 atan(24 / 48) = 53.13 degrees, a space
// loss of 20 log10((1 + cos 53.13) / 2) = 1.94 dB at the rim; a power
// pattern cos^2 gives 24 cot^2(26.57) [sin^2(26.57) + ln cos(26.57)]^2 =
// 96 (0.2 - 0.11157)^2 = 75.1% there; a can at 2400 MHz works from 73.2
// to 95.6 mm across (1.84118 and 2.40483 times 124.91 mm / pi).
#pragma once

#include <string_view>

#include "builder/form.h"

namespace planner {

inline constexpr std::string_view feedTitle = "Match a feed";

const form::Tool& feedTool();

} // namespace planner
