// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the feed's form (builder/feed_form.h) works from, shared by the
// files that read its fields and write its figures: the dish and the feed
// as read, in millimetres and radians.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "builder/feed_physics.h"
#include "builder/figures.h"
#include "builder/form.h"

namespace planner::feedform {

struct Setup {
    // The dish: its diameter (an offset dish's width) and focal length, an
    // offset dish's rims above its parent's axis, its surface error.
    bool offset = false;
    double diameter = 0, focal = 0, lower = 0, upper = 0;
    std::optional<double> checkedError;
    // The frequency as the window shows it, its wavelength with light's
    // true speed, the half-angle the feed covers, the user's unit.
    std::string mhz;
    double wavelength = 0, halfAngle = 0;
    Unit unit = Unit::Inches;
    // The feed as typed: a can (by its inner diameter) or the user's own,
    // none where its field is blank or wrong; its shadow, the surface.
    bool can = true;
    std::optional<feed::Feed> feed;
    double canDiameter = 0;
    std::optional<double> outer, error, hole, wire;
    bool mesh = false;
};

// A length in the user's unit with the other system beside it. Example:
// in millimetres, 214.68 is "214.68 mm (8.452 in)".
std::string length(const Setup& s, double mm);

void geometryResults(const Setup& s, std::vector<Result>& out);
void patternResults(const Setup& s, std::vector<Result>& out);
// The budget and the gain left: its terms' product.
void budgetResults(const Setup& s, std::vector<Result>& out);
void bestResults(const Setup& s, std::vector<Result>& out);
void canResults(const Setup& s, std::vector<Result>& out);
Picture patternPicture(const Setup& s);

} // namespace planner::feedform
