// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's fonts as Qt fonts.
#pragma once

#include <QFont>

#include "window/design.h"

namespace planner {

// The design's font (fontOf, window/design.h): its first face that exists, else a
// sans face, at its size in points and its weight. Example: Font::Bold is
// "MS Sans Serif" 9.75 pt bold where it exists, else Liberation Sans.
QFont fontFor(Font f);

} // namespace planner
