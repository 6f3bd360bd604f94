// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader gets of the planner beyond what Qt gives each widget:
// the scroll bars are named by quantity and unit, and each figure carries
// its meaning as its description, from the design table's meaning column.
#pragma once

#include <QString>

class QWidget;

namespace planner {

struct ControlDesign;

// The meaning column with "{r}" spelled out for an array member.
// Example: for label8(1) "Depth at 1 inch from the centre", for label8(3)
// "Depth at 3 inches from the centre".
QString meaningOf(const ControlDesign& design);

// A scroll bar's accessible name, or a label's description where its
// tooltip does not already describe it (a tooltip stays the description).
void describeForScreenReaders(QWidget* widget, const ControlDesign& design);

} // namespace planner
