// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Windows program: the planner window and its message loop.
#include <windows.h>

#include "window/win32/planner_window_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    planner::win32::PlannerWindow window;
    if (!window.create(instance, show))
        return 1;
    return window.run();
}
