// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader says of the window, without a toolkit: each label's
// spoken form, and the sentence that announces what a change rewrote. A
// figure is read with its meaning and unit; the caption itself stays as
// shown, for whoever reads the text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "window/control_model.h"

namespace planner {

// The design's meaning with "{}" replaced by the caption and "{r}" by the
// member's radius; a label without a meaning is read as its caption.
// Examples: lblFlen showing "3.13" is "Focal length 3.13 inches"; label8(3)
// showing "0.19" is "at 3 inches, 0.19 deep"; label8(1) showing "0" is
// "at 1 inch, 0 deep"; Label5 is "   Depth   in ins.".
std::string spokenForm(const ControlDesign& design, std::string_view caption);

// Whether a screen reader should pass a label by as not on the screen:
// a bar of height 0 twips has vanished, and a figure with no caption shows
// nothing. Example: label7(6) at height 0 is hidden; label8(6) with "" is
// hidden; label7(1) at 13.888889 twips (one pixel) is not.
bool hiddenFromReaders(const ControlDesign& design, std::string_view caption, float heightTwips);

// One sentence naming, in reading order, the figures among the changed
// rows (as ControlModel::takeChangedRows gives them): each inch figure
// with its millimetres, the ratio, the gain, and the profile as its rim
// depth. Empty when none of them is a figure.
// Example, from start-up to a diameter of 11 inches: "Diameter 11 inches,
// 279.4 millimetres. Focal length 3.78 inches, 96.012 millimetres. F/D
// ratio 0.34. Gain 6 times. Rim 1.67 deep at 5 inches."
std::string changeAnnouncement(const std::vector<int>& changedRows, const ControlModel& model);

// The same sentence for every figure now shown, changed or not.
std::string allFigures(const ControlModel& model);

} // namespace planner
