// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures as the builder's tools write them: rounded to so many places,
// halves up, by the window's own rounding (calc::decplaces), in its own
// number text. Examples: figure(3.125, 2) is "3.13"; figure(282.949, 1)
// is "282.9"; figure(12, 2) is "12"; figure(0.615, 3) is "0.615". And
// texts made of parts.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace planner {

std::string figure(double x, int places);

// The parts, one after another: cat({"F/D ", "0.5"}) is "F/D 0.5". One
// call, where a chain of + would make a string at each step.
std::string cat(std::initializer_list<std::string_view> parts);

} // namespace planner
