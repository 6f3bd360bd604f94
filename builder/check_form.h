// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dish check's form as every view shows it, written once: its title,
// what to measure, its choices and each field's label. Example:
// fieldLabel(Field::Depth, 2) is "Depth 3"; settingWords({24, 30}) is
// "24 inches, 3.0 deep", setPlannerCaption({24, 30}) "Set the planner to
// 24 inches, 3.0 deep".
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "builder/dish_check.h"

namespace planner {

inline constexpr std::string_view checkTitle = "Check a dish you have";
inline constexpr std::string_view shapeLabel = "Shape", unitLabel = "Unit";
// By DishShape and by Unit.
inline constexpr std::array<std::string_view, 2> shapeNames = {"Round (prime focus)", "Offset"};
inline constexpr std::array<std::string_view, 3> unitNames = {"inches", "millimetres",
                                                              "centimetres"};
inline constexpr std::array<std::string_view, 2> howToMeasure = {
    "Lay a straight edge across the rim through the middle. Along it, from one fixed mark, note "
    "positions, and at each the depth from the edge down to the surface: 5 or more, rim to rim. "
    "Pairs pasted from a spreadsheet, one a line, fill the rows.",
    "Measure the width across (the shorter way), the height along the long axis, and the "
    "greatest depth, square to a straight edge laid along the long axis from rim to rim."};
// The rows a round dish's form opens with (every 4 inches across 24), the
// most it takes, and the pause in typing, in milliseconds, after which
// readers are told the chief figures.
inline constexpr int firstRows = 7, mostRows = 100, announcePauseMs = 1000;
inline constexpr std::string_view addRowCaption = "Add a row", pasteRowsCaption = "Paste rows";
// The rows' columns, and their fields' names with the row's number.
inline constexpr std::array<std::string_view, 2> rowHeadings = {"Position", "Depth"};
inline constexpr std::string_view resultsHeading = "What the measurements say";

// A field's label; a row's, counted from 1 as the user sees them.
std::string fieldLabel(Field f, int row = -1);

// A setting in words, and as its button's caption.
std::string settingWords(const BarSetting& s);
std::string setPlannerCaption(const BarSetting& s);

} // namespace planner
