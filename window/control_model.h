// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the handlers read and write of the window, without a toolkit: each
// label's caption and height, each scroll bar's value. The view shows it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "calc/curve.h"
#include "window/design.h"

namespace planner {

class ControlModel final : public calc::ProfileLabels {
public:
    // Every control at its design-time caption, height and value.
    ControlModel();

    // A caption reads back exactly as set, blanks included.
    const std::string& caption(Ctl c) const;
    void setCaption(Ctl c, std::string caption);

    // Array members, index 0 to 20; any other index raises the
    // subscript-out-of-range error. Example: caption(LabelArray::label7, 21)
    // raises; caption(LabelArray::label7, 0) is "1" at design time.
    const std::string& caption(LabelArray a, int index) const;
    void setCaption(LabelArray a, int index, std::string caption);

    // Heights in single-precision twips, 0 or more; 13.888889 stays
    // 13.888889 (rowHeight reads them). Design time: 15 for every
    // label7 member.
    void setHeight(LabelArray a, int index, float twips);

    // A scroll bar's value; the view mirrors the widget into it.
    std::int16_t value(Ctl bar) const;
    void setValue(Ctl bar, std::int16_t value);

    // The profile as curve draws it: bars are label7, figures label8.
    void setBarHeight(std::int16_t index, float twips) override;
    void setBarCaption(std::int16_t index, std::string caption) override;
    void setFigureCaption(std::int16_t index, std::string caption) override;

    // The rows of designTable() whose caption or height differs from what
    // the last call reported (the design's at first), in row order. A
    // caption written again with the same text is no change. Example: a
    // change of frequency from 1200 to 1300 MHz rewrites lblFreq, lblGain
    // and the profile, but only lblFreq changes ("1300"; the gain stays 5).
    std::vector<int> takeChangedRows();
    // A row's caption and height (in twips) now.
    const std::string& rowCaption(int row) const { return rows_.at(row).caption; }
    float rowHeight(int row) const { return rows_.at(row).height; }

private:
    struct State {
        std::string caption, reportedCaption;
        float height = 0.0f, reportedHeight = 0.0f;
        std::int16_t value = 0;
    };

    std::array<State, controlCount> rows_;
};

} // namespace planner
