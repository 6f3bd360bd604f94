// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A Windows form's controls for each of its items (window/win32/
// form_window_win32.h), which its files share; and its picture's window
// class, which paints the item's shapes at the window's dpi in the
// system's text colour.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "window/win32/form_window_win32.h"

namespace planner::win32 {

struct FormWindow::Built {
    std::vector<HWND> controls; // every one, to show or hide the item
    HWND words = nullptr;       // a Text's, Heading's or Notes' words; a List's label
    HWND group = nullptr;       // a Choice's box
    std::vector<HWND> options;  // a Choice's buttons
    HWND list = nullptr;
    std::vector<std::vector<std::pair<HWND, HWND>>> cells; // each field's label and edit
    HWND icon = nullptr, problem = nullptr;                // a problem's icon and sentences
    HWND button = nullptr;
    std::vector<std::pair<HWND, HWND>> results; // each result's label and value
    HWND picture = nullptr;
};

// The picture's window class, registered once: a child whose id is its
// item's, painting the shapes its FormWindow (the parent's) holds.
inline constexpr wchar_t pictureClass[] = L"DishPlannerPicture";
void registerPicture(HINSTANCE instance);

} // namespace planner::win32
