// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The planner in the browser: the window on the page; then the browser's
// event loop, which the page keeps running after main returns.
#include "window/web/page.h"

int main()
{
    planner::web::start();
    return 0;
}
