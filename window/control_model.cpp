// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/control_model.h"

#include "runtime/runtime_error.h"

namespace planner {

ControlModel::ControlModel()
{
    const auto& table = designTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        rows_[i].caption = std::string(table[i].caption);
        rows_[i].height = static_cast<float>(table[i].twips.height);
        rows_[i].value = table[i].scroll.value;
    }
}

const std::string& ControlModel::caption(Ctl c) const
{
    return rows_[row(c)].caption;
}

void ControlModel::setCaption(Ctl c, std::string caption)
{
    rows_[row(c)].caption = std::move(caption);
    rows_[row(c)].changed = true;
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
    State& s = rows_[memberRow(a, index)];
    s.caption = std::move(caption);
    s.changed = true;
}

float ControlModel::height(LabelArray a, int index) const
{
    return rows_[memberRow(a, index)].height;
}

void ControlModel::setHeight(LabelArray a, int index, float twips)
{
    State& s = rows_[memberRow(a, index)];
    s.height = twips;
    s.changed = true;
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
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].changed) {
            changed.push_back(static_cast<int>(i));
            rows_[i].changed = false;
        }
    }
    return changed;
}

} // namespace planner
