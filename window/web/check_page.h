// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dish check on the web page: the section "Check a dish you have"
// below the window and its print button, in either arrangement. The build
// writes its form into the page from the core's texts (checkMarkup), so
// that the script carries none of them; the view (CheckView) then checks
// what is typed at every input and shows the results, the problems by
// their fields (each field described by its sentence), and "Set the
// planner". Its element ids are these, written once.
#pragma once

#include <string>
#include <string_view>

namespace planner::web::check {

inline constexpr std::string_view section = "check", shapes = "check-shape", unit = "check-unit",
                                  rows = "check-rows", add = "check-add",
                                  problems = "check-problems", results = "check-results",
                                  notes = "check-notes", set = "check-set", said = "check-said";
// By DishShape: its button, its fields, what to measure.
inline constexpr std::string_view shapeButton[] = {"check-round", "check-offset"};
inline constexpr std::string_view shapeFields[] = {"check-round-fields", "check-offset-fields"};
inline constexpr std::string_view howTo[] = {"check-how-round", "check-how-offset"};
// By Field, for the lone fields: Diameter, then Width, Height, OffsetDepth.
inline constexpr std::string_view loneField[] = {"check-diameter", "",           "", "check-width",
                                                 "check-height",   "check-depth"};
// The section's inner markup.
std::string checkMarkup();

// A row's markup, its fields named for readers. Example: row 2 is
// <tr><th>3</th><td><input ... aria-label="Position 3" data-row="2"> ...
std::string rowMarkup(int row);

} // namespace planner::web::check
