// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Drives the Win32 planner window in process for the tests, through the
// messages a user's input produces: scroll messages as a click on a scroll
// bar sends them, keys posted to the focused control and run through the
// window's own message handling. Also reads back rectangles and texts.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <string_view>

#include "check.h"
#include "window/win32/planner_window_win32.h"

namespace driver {

using planner::Ctl;
using planner::designTable;
using planner::row;
using planner::win32::PlannerWindow;

struct Box {
    int x, y, w, h;
    bool operator==(const Box&) const = default;
};
inline std::ostream& operator<<(std::ostream& o, const Box& b)
{
    return o << '(' << b.x << ',' << b.y << ',' << b.w << ',' << b.h << ')';
}

// A control's rectangle in its parent's client area.
inline Box boxOf(HWND c)
{
    RECT r;
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, GetParent(c), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

inline std::string narrow(const wchar_t* w)
{
    char s[512] = {};
    WideCharToMultiByte(CP_UTF8, 0, w, -1, s, sizeof s, nullptr, nullptr);
    return s;
}

inline std::string textOf(HWND h)
{
    wchar_t w[256] = {};
    GetWindowTextW(h, w, 256);
    return narrow(w);
}

// "lblFreq" or "label8(5)" to its design row.
inline int rowNamed(std::string_view name)
{
    if (const auto c = planner::ctlNamed(name))
        return row(*c);
    const auto a =
        name.substr(0, 6) == "label8" ? planner::LabelArray::label8 : planner::LabelArray::label7;
    return row(a, std::stoi(std::string(name.substr(7))));
}

struct Window {
    PlannerWindow w;
    Window()
    {
        check::that(w.create(GetModuleHandleW(nullptr)), "the window is created");
        w.handleWaiting();
    }
    HWND at(std::string_view name) const { return w.control(rowNamed(name)); }
    HWND bar(Ctl c) const { return w.control(row(c)); }
    int value(Ctl c) const { return GetScrollPos(bar(c), SB_CTL); }
    void scroll(Ctl c, int code, int pos = 0)
    {
        SendMessageW(w.hwnd(), WM_VSCROLL, MAKEWPARAM(code, pos), LPARAM(bar(c)));
    }
    void key(HWND to, UINT vk, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            PostMessageW(to, WM_KEYDOWN, vk, 1);
        w.handleWaiting();
    }
};

// Moves a bar as a user would, one of three ways: page and arrow keys on the
// focused bar; clicks in the track and on the arrows; dragging the thumb.
enum class Way { Keys, Clicks, Drag };

inline void moveTo(Window& win, Ctl c, int target, Way way)
{
    const planner::ScrollSettings& s = designTable()[row(c)].scroll;
    const int distance = target - win.value(c), sign = distance < 0 ? -1 : 1;
    const int pages = sign * distance / s.largeChange;
    const int lines = (sign * distance - pages * s.largeChange) / s.smallChange;
    if (way == Way::Drag) {
        win.scroll(c, SB_THUMBTRACK, target);
        win.scroll(c, SB_THUMBPOSITION, target);
        win.scroll(c, SB_ENDSCROLL);
    } else if (way == Way::Keys) {
        SetFocus(win.bar(c));
        win.key(win.bar(c), sign > 0 ? VK_NEXT : VK_PRIOR, pages);
        win.key(win.bar(c), sign > 0 ? VK_DOWN : VK_UP, lines);
    } else {
        for (int i = 0; i < pages; ++i)
            win.scroll(c, sign > 0 ? SB_PAGEDOWN : SB_PAGEUP);
        for (int i = 0; i < lines; ++i)
            win.scroll(c, sign > 0 ? SB_LINEDOWN : SB_LINEUP);
    }
    check::equal(win.value(c), target, "bar moved to its value");
}

} // namespace driver
