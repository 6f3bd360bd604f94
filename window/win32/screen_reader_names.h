// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What a screen reader says for a control beyond its window text: a scroll
// bar's name ("Frequency in MHz"), a figure's description. Given through
// oleacc's dynamic annotation (IAccPropServices), which needs COM on the
// window's thread for as long as the names are in use.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "window/design.h"

struct IAccPropServices;

namespace planner::win32 {

// A row's meaning with "{r}" as the member's radius: "1 inch", "5 inches".
std::string meaningOf(const ControlDesign& d);

class ScreenReaderNames {
public:
    ScreenReaderNames(); // initialises COM on this thread
    ~ScreenReaderNames();
    ScreenReaderNames(const ScreenReaderNames&) = delete;
    ScreenReaderNames& operator=(const ScreenReaderNames&) = delete;

    // A scroll bar is named by its meaning; a label without a tooltip reads
    // its caption as its name, with its meaning as the description. False
    // if Windows did not take the annotation.
    bool describe(HWND control, const ControlDesign& d);
    // Drops a control's annotations; before the control is destroyed.
    void forget(HWND control);

private:
    IAccPropServices* services_ = nullptr;
    bool comStarted_ = false;
};

} // namespace planner::win32
