// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures as the builder's tools write them: rounded to so many places,
// halves up, by the window's own rounding (calc::decplaces), in its own
// number text. Examples: figure(3.125, 2) is "3.13"; figure(282.949, 1)
// is "282.9"; figure(12, 2) is "12"; figure(0.615, 3) is "0.615".
#pragma once

#include <string>

namespace planner {

std::string figure(double x, int places);

} // namespace planner
