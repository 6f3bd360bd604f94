// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The planner window's sizes at a dpi: every control at its design
// rectangle scaled from twips, the frame around a client area of the
// design's size, the icons at the dpi's sizes; and all of it again when
// Windows moves the window to a monitor with another scaling.
#include "window/win32/planner_window_win32.h"

#include <utility>

#include "window/metrics.h"
#include "window/win32/controls_win32.h"

namespace planner::win32 {

// A control's rectangle at the current dpi: the design's, with a label as
// tall as the model says.
RECT PlannerWindow::rectOf(int r) const
{
    const ControlDesign& d = designTable()[r];
    const int left = toPixels(d.twips.left, int(dpi_)), top = toPixels(d.twips.top, int(dpi_));
    return {left, top, left + toPixels(d.twips.width, int(dpi_)),
            top + toPixels(session_.heightTwips(r), int(dpi_))};
}

void PlannerWindow::place(int r)
{
    const RECT p = rectOf(r);
    SetWindowPos(controls_[r], nullptr, p.left, p.top, p.right - p.left, p.bottom - p.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The program file's icon at the sizes for the current dpi: the big one
// (Alt+Tab) and the small one (the caption and the taskbar).
void PlannerWindow::setIcons()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const int metrics[] = {SM_CXSMICON, SM_CXICON}; // by ICON_SMALL (0) and ICON_BIG (1)
    for (const int which : {ICON_SMALL, ICON_BIG}) {
        const int size = GetSystemMetricsForDpi(metrics[which], dpi_);
        HICON icon = static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON, size, size, 0));
        if (!icon)
            continue;
        SendMessageW(hwnd_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
        if (icons_[which])
            DestroyIcon(icons_[which]);
        icons_[which] = icon;
    }
}

// The frame around a client area of the design's size at the current dpi.
void PlannerWindow::resizeFrame(int left, int top)
{
    const SIZE client{toPixels(clientWidth, int(dpi_)), toPixels(clientHeight, int(dpi_))};
    RECT r{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&r, frameStyle, FALSE, 0, dpi_);
    frame_ = {r.right - r.left, r.bottom - r.top};
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(hwnd_, nullptr, left, top, frame_.cx, frame_.cy, flags);
    // Where the frame came out other than reckoned (its caption not yet at
    // the new dpi), make up the difference.
    RECT got{};
    GetClientRect(hwnd_, &got);
    if (got.right == client.cx && got.bottom == client.cy)
        return;
    frame_.cx += client.cx - got.right;
    frame_.cy += client.cy - got.bottom;
    SetWindowPos(hwnd_, nullptr, 0, 0, frame_.cx, frame_.cy, flags | SWP_NOMOVE);
}

// Everything again at the new dpi: fonts, places, the frame where Windows
// suggests it.
void PlannerWindow::onDpiChanged(UINT dpi, const RECT& suggested)
{
    dpi_ = dpi;
    auto fonts = std::make_unique<Fonts>(dpi_);
    for (int r = 0; r < controlCount; ++r) {
        SendMessageW(controls_[r], WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts->font(designTable()[r].font)), FALSE);
        place(r);
    }
    fonts_ = std::move(fonts); // the old ones are no longer in use
    resizeFrame(suggested.left, suggested.top);
    setIcons();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

} // namespace planner::win32
