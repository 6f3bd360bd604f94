// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The builder's forms on the web page, each a section below the window in
// either arrangement. The build writes each form's markup into the page
// from the core's description (formMarkup), so that the script carries
// none of its texts; the view (FormView) takes it over. An element's id is
// its form's, its item's and, for a row's field, the row and column, each
// after a hyphen: written here once.
// Examples: "check-diameter", "check-rows-2-1" (Depth 3), "check-shape-1"
// (the choice's second option), "check-rows-2-1-problem" (its sentence),
// "check-rows-row" (the template of a row).
#pragma once

#include <string>

#include "builder/form_presenter.h"

namespace planner::web {

std::string idOf(const form::Outline& outline, int item);
std::string idOf(const form::Outline& outline, const form::Cell& c);
// A field's sentence; the Rows' own, with no row, for the rows as a whole.
std::string problemIdOf(const form::Outline& outline, const form::Cell& c);

// The section's inner markup for the form as p has it now.
std::string formMarkup(const form::Presenter& p);

// A row's markup, its fields named for readers. Example: row 2 of the
// check is <tr><th>3</th><td><input id="check-rows-2-0" ... aria-label=
// "Position 3" ...
std::string rowMarkup(const form::Presenter& p, int item, int row);

} // namespace planner::web
