// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The builder's template on the page, for printing: each sheet of the
// dishTemplate (builder/dish_template.h) as an SVG element of its size in
// inches, its shapes as they are and the drawing's only within the sheet's
// tile, its texts as text, so that a PDF of it reads aloud. The print style
// sheet shows them, a page each, instead of the window.
#pragma once

#include "builder/dish_template.h"
#include "window/web/dom.h"

namespace planner::web {

// Replaces what `into` holds with the template's sheets.
void drawTemplate(const Object& into, const DishTemplate& t);

} // namespace planner::web
