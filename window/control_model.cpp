// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/control_model.h"

#include "runtime/runtime_error.h"

namespace planner {

ControlModel::ControlModel()
{
    const auto& table = designTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        State& s = rows_[i];
        s.caption = s.reportedCaption = std::string(table[i].caption);
        s.height = s.reportedHeight = static_cast<float>(table[i].twips.height);
        s.value = table[i].scroll.value;
    }
}

const std::string& ControlModel::caption(Ctl c) const
{
    return rows_[row(c)].caption;
}

void ControlModel::setCaption(Ctl c, std::string caption)
{
    rows_[row(c)].caption = std::move(caption);
}

namespace {

// The row of an array member, after checking its index.
int memberRow(LabelArray a, int index)
{
    if (index < 0 || index >= arrayMembers)
        throw rt::RuntimeError(rt::ErrorCode::SubscriptOutOfRange);
    return row(a, index);
}

} // namespace

const std::string& ControlModel::caption(LabelArray a, int index) const
{
    return rows_[memberRow(a, index)].caption;
}

void ControlModel::setCaption(LabelArray a, int index, std::string caption)
{
    rows_[memberRow(a, index)].caption = std::move(caption);
}

void ControlModel::setHeight(LabelArray a, int index, float twips)
{
    rows_[memberRow(a, index)].height = twips;
}

std::int16_t ControlModel::value(Ctl bar) const
{
    return rows_[row(bar)].value;
}

void ControlModel::setValue(Ctl bar, std::int16_t value)
{
    rows_[row(bar)].value = value;
}

void ControlModel::setBarHeight(std::int16_t index, float twips)
{
    setHeight(LabelArray::label7, index, twips);
}

void ControlModel::setBarCaption(std::int16_t index, std::string caption)
{
    setCaption(LabelArray::label7, index, std::move(caption));
}

void ControlModel::setFigureCaption(std::int16_t index, std::string caption)
{
    setCaption(LabelArray::label8, index, std::move(caption));
}

std::vector<int> ControlModel::takeChangedRows()
{
    std::vector<int> changed;
    changed.reserve(rows_.size()); // the one allocation: no row is lost to a failed one
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        State& s = rows_[i];
        if (s.caption != s.reportedCaption || s.height != s.reportedHeight) {
            changed.push_back(static_cast<int>(i));
            s.reportedCaption = s.caption;
            s.reportedHeight = s.height;
        }
    }
    return changed;
}

} // namespace planner
