// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/shapes.h"

namespace planner {

Shape line(std::vector<Point> points, double width, bool dashed)
{
    return {.points = std::move(points), .width = width, .dashed = dashed};
}

Shape text(Point at, std::string s, double size, Shape::Anchor anchor)
{
    return {.kind = Shape::Kind::Text,
            .points = {at},
            .width = size,
            .text = std::move(s),
            .anchor = anchor};
}

Shape box(Point topLeft, Point bottomRight, bool shaded, double width)
{
    return {.kind = Shape::Kind::Box,
            .points = {topLeft, bottomRight},
            .width = width,
            .shaded = shaded};
}

} // namespace planner
