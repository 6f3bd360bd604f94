// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Win32 controls of the planner window, one per design row: labels are
// STATIC controls, the scroll bars SBS_VERT scroll bar controls, Exit a push
// button. Also the two fonts, and UTF-8 as Windows' UTF-16.
// Plain user32, gdi32 and comctl32.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "window/design.h"

namespace planner::win32 {

// UTF-8 as Windows' UTF-16, and back; a window's text as UTF-8.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
std::string textOf(HWND window);

// The window's two fonts (fontOf, window/design.h) at one dpi.
class Fonts {
public:
    explicit Fonts(UINT dpi);
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;
    HFONT font(Font f) const { return f == Font::Bold ? bold_ : normal_; }

private:
    HFONT normal_;
    HFONT bold_;
};

// The control for a design row, a child of parent with the given id, at its
// design rectangle at dpi, in its font. A scroll bar has the row's range and
// value; its thumb is as long as a large change is of the whole range.
HWND createControl(const ControlDesign& d, HWND parent, int id, UINT dpi, const Fonts& fonts);

// A tooltip window for parent's controls, and one control's tip in it.
HWND createTooltips(HWND parent);
void addTooltip(HWND tooltips, HWND parent, HWND control, std::string_view text);

} // namespace planner::win32
