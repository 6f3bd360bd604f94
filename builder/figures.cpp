// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/figures.h"

#include "calc/decplaces.h"

namespace planner {

std::string figure(double x, int places)
{
    calc::decplaces(rt::Value(x), rt::Value(std::int16_t(places)));
    return calc::rounded.toText();
}

std::string cat(std::initializer_list<std::string_view> parts)
{
    std::string s;
    for (const std::string_view p : parts)
        s += p;
    return s;
}

} // namespace planner
