// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/check_form.h"

namespace planner {

std::string fieldLabel(Field f, int row)
{
    const std::string n = " " + std::to_string(row + 1);
    switch (f) {
    case Field::Diameter:
        return "Diameter, rim to rim";
    case Field::Position:
        return std::string(rowHeadings[0]) + n;
    case Field::Depth:
        return std::string(rowHeadings[1]) + n;
    case Field::Width:
        return "Width, across";
    case Field::Height:
        return "Height, along the long axis";
    case Field::OffsetDepth:
        return "Greatest depth";
    case Field::Rows:
        break;
    }
    return "Measurements";
}

std::string settingWords(const BarSetting& s)
{
    const std::string tenths = std::to_string(s.depth);
    return std::to_string(s.diameter) + " inches, " + tenths.substr(0, tenths.size() - 1) + "." +
           tenths.back() + " deep";
}

std::string setPlannerCaption(const BarSetting& s)
{
    return "Set the planner to " + settingWords(s);
}

} // namespace planner
