// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The dish check's window laid out at its dpi: each control at its place
// down the form, a wrapped text as tall as it needs, the form scrolled as
// a whole where the window is smaller.
#include "window/win32/dish_check_win32.h"

#include <windowsx.h>

#include <algorithm>

#include "window/win32/controls_win32.h"

namespace planner::win32 {

// Every control at its place down the form, less what has scrolled by; a
// wrapped text as tall as it needs; what the shape or the check leaves out
// hidden.
void DishCheckWindow::layout()
{
    const auto px = [this](int at96) { return MulDiv(at96, int(dpi_), 96); };
    int y = margin;
    const auto place = [&](HWND h, int x, int w, int tall, bool shown = true) {
        ShowWindow(h, shown ? SW_SHOWNA : SW_HIDE);
        SetWindowPos(h, nullptr, px(x), px(y) - scroll_, px(w), px(tall),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    const auto wrapped = [&](HWND h, int w) { // its lines' height at 96 dpi
        RECT r{0, 0, px(w), 0};
        const HDC dc = GetDC(h);
        const HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(h, WM_GETFONT, 0, 0)));
        const std::wstring text = widen(textOf(h));
        DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, old), ReleaseDC(h, dc);
        return text.empty() ? 0 : MulDiv(r.bottom, 96, int(dpi_)) + 2;
    };
    const bool round = Button_GetCheck(round_) == BST_CHECKED;
    place(shapeBox_, margin, width, 2 * line + gap);
    y += line - gap;
    place(round_, 2 * margin, 180, line), place(offset_, 2 * margin + 200, 180, line);
    y += line + 2 * gap;
    place(unitLabel_, margin, 60, line), place(unit_, margin + 70, 160, 8 * line);
    y += line + gap;
    const int howTall = wrapped(howTo_, width);
    place(howTo_, margin, width, howTall), y += howTall + gap;
    place(diameterLabel_, margin, 160, line, round),
        place(diameter_, margin + 170, 120, line, round);
    y += round ? line + gap : 0;
    for (const auto& row : rows_) {
        place(row[0], margin, 90, line, round), place(row[1], margin + 95, 110, line, round);
        place(row[2], margin + 220, 70, line, round), place(row[3], margin + 295, 110, line, round);
        y += round ? line + 2 : 0;
    }
    y += round ? gap : 0;
    place(add_, margin, 150, line + 2, round), place(paste_, margin + 160, 150, line + 2, round);
    y += round ? line + 2 * gap : 0;
    for (const auto& [label, field] : offsetFields_) {
        place(label, margin, 210, line, !round), place(field, margin + 220, 120, line, !round);
        y += round ? 0 : line + gap;
    }
    const int problemsTall = wrapped(problems_, width);
    place(problems_, margin, width, problemsTall, problemsTall > 0), y += problemsTall + gap;
    place(heading_, margin, width, line), y += line;
    for (std::size_t i = 0; i < results_.size(); ++i) {
        const bool shown = i < check_.results.size();
        place(results_[i].first, margin, 190, line, shown),
            place(results_[i].second, margin + 195, width - 195, line, shown);
        y += shown ? line : 0;
    }
    const int notesTall = wrapped(notes_, width);
    place(notes_, margin, width, notesTall, notesTall > 0), y += notesTall + gap;
    place(set_, margin, 300, line + 4, check_.setting.has_value()), y += line + 4 + margin;
    contentHeight_ = px(y);
    RECT client{};
    GetClientRect(hwnd_, &client);
    const SCROLLINFO si{sizeof si,
                        SIF_RANGE | SIF_PAGE | SIF_POS,
                        0,
                        contentHeight_ - 1,
                        UINT(client.bottom),
                        scroll_,
                        0};
    SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void DishCheckWindow::scrollTo(int y)
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int to = std::clamp(y, 0, std::max(0, contentHeight_ - int(client.bottom)));
    if (to != scroll_)
        scroll_ = to, layout();
}

} // namespace planner::win32
