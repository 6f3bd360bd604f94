// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dish check as a form (builder/form.h), its texts written once: the
// shape and the unit, what to measure, a round dish's diameter and rows of
// a position and a depth (added, pasted, copied out), an offset dish's
// three lengths, then what the measurements say, their picture, the notes
// and the button that sets the planner. Example: fieldLabel(Field::Depth,
// 2) is "Depth 3"; settingWords({24, 30}) is "24 inches, 3.0 deep", the
// button's caption then "Set the planner to 24 inches, 3.0 deep".
#pragma once

#include <string>
#include <string_view>

#include "builder/form.h"

namespace planner {

inline constexpr std::string_view checkTitle = "Check a dish you have";

// A field's label; a row's, counted from 1 as the user sees them.
std::string fieldLabel(Field f, int row = -1);

// A setting in words.
std::string settingWords(const BarSetting& s);

// The dish check's tool, for the presenter.
const form::Tool& checkTool();

} // namespace planner
