// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's two fonts.
#pragma once

#include <QFont>

namespace planner {

// The window's default: a sans face at 8 pt, with which every heading fits
// its label. Liberation Sans (Arial's metrics) where installed.
QFont defaultFont();

// The figures' font: "MS Sans Serif" 9.75 pt bold where it exists, else a
// sans face of the same size and weight.
QFont boldFont();

} // namespace planner
