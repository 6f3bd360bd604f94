// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/print.h"

#include "window/web/svg.h"

namespace planner::web {

void drawTemplate(const Object& into, const DishTemplate& t)
{
    into.call("replaceChildren");
    for (std::size_t k = 0; k < t.sheets.size(); ++k) {
        SvgPainter painter(svgOf(into, sheetWidth, sheetHeight), "black",
                           "tile" + std::to_string(k + 1));
        paintSheet(t.sheets[k], painter);
    }
}

} // namespace planner::web
