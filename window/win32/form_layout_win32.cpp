// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A Windows form laid out in dialog units of its font at its dpi: each
// item at its place down the form, a wrapped text as tall as it needs,
// buttons side by side, what the form leaves out hidden; the window as
// wide as the form and its scroll bar, as tall as the form where the
// screen allows; all of it again at a new dpi; the form scrolled as a
// whole where the window is smaller.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "window/win32/controls_win32.h"
#include "window/win32/form_built_win32.h"

namespace planner::win32 {

namespace {

// The form in dialog units: its margin, its width, a line's height, a
// gap, the labels' widths (a lone field's, a row's field's, a result's).
constexpr int margin = 7, width = 272, line = 14, gap = 4, labelWidth = 110, cellLabel = 44,
              cellField = 78, resultLabel = 118;

} // namespace

// The message font and its bold at dpi, on every control; the base units.
void FormWindow::setFonts(UINT dpi)
{
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0, dpi);
    const HFONT font = CreateFontIndirectW(&m.lfMessageFont);
    m.lfMessageFont.lfWeight = FW_BOLD;
    const HFONT bold = CreateFontIndirectW(&m.lfMessageFont);
    const HDC dc = GetDC(hwnd_);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SIZE letters{};
    GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                          &letters);
    SelectObject(dc, old), ReleaseDC(hwnd_, dc);
    base_ = {(letters.cx / 26 + 1) / 2, tm.tmHeight};
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (std::size_t i = 0; i < built_.size(); ++i)
        if (presenter().outline().items[i].kind == form::Kind::Heading)
            SendMessageW(built_[i].words, WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);
    for (const HFONT f : {font_, bold_})
        if (f)
            DeleteObject(f);
    font_ = font, bold_ = bold, dpi_ = dpi;
}

void FormWindow::dpiChanged(UINT dpi, const RECT& suggested)
{
    setFonts(dpi);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layout();
}

// As wide as the form and the scroll bar beside it; as tall as the form,
// up to four fifths of the screen.
void FormWindow::fitFrame()
{
    MONITORINFO m{};
    m.cbSize = sizeof m;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &m);
    const int screen = m.rcWork.bottom - m.rcWork.top;
    RECT r{0, 0, dluX(width + 2 * margin) + GetSystemMetricsForDpi(SM_CXVSCROLL, dpi_),
           std::min(contentHeight_, screen * 4 / 5)};
    AdjustWindowRectExForDpi(&r, frameStyle, FALSE, 0, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::layout()
{
    int y = dluY(margin);
    for (int i = 0; i < int(built_.size()); ++i)
        y = placeItem(i, y);
    contentHeight_ = y + dluY(margin);
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

// Where an item's controls go: its state, and from where down.
struct FormWindow::Placer {
    FormWindow& w;
    const form::ItemState& s;
    Built& b;
    int left, across;

    void place(HWND h, int x, int top, int wide, int tall) const
    {
        ShowWindow(h, s.shown ? SW_SHOWNA : SW_HIDE);
        SetWindowPos(h, nullptr, x, top - w.scroll_, wide, tall, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // A text's size in its font: wrapped to `wide`, or on one line (0).
    SIZE extent(HWND h, int wide) const
    {
        RECT r{0, 0, wide, 0};
        const HDC dc = GetDC(h);
        const HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(h, WM_GETFONT, 0, 0)));
        const std::wstring text = widen(textOf(h));
        DrawTextW(dc, text.c_str(), -1, &r,
                  DT_CALCRECT | DT_NOPREFIX | (wide ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, old), ReleaseDC(h, dc);
        return text.empty() ? SIZE{0, 0} : SIZE{r.right, r.bottom + 2};
    }
    // The sentences by their field, after the icon, where there are any.
    int problem(int top) const
    {
        const int side = GetSystemMetricsForDpi(SM_CXSMICON, w.dpi_), indent = side + w.dluX(gap);
        const int tall = extent(b.problem, across - indent).cy;
        const bool any = s.shown && tall > 0;
        for (const HWND h : {b.icon, b.problem})
            ShowWindow(h, any ? SW_SHOWNA : SW_HIDE);
        SetWindowPos(b.icon, nullptr, left, top - w.scroll_, side, side,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(b.problem, nullptr, left + indent, top - w.scroll_, across - indent, tall,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return any ? top + std::max(side, tall) + w.dluY(gap) : top;
    }
};

void FormWindow::hide(const Built& b)
{
    for (const HWND h : {b.words, b.group, b.list, b.button, b.picture, b.icon, b.problem})
        if (h)
            ShowWindow(h, SW_HIDE);
    for (const auto& row : b.cells)
        for (const auto& [l, e] : row)
            ShowWindow(l, SW_HIDE), ShowWindow(e, SW_HIDE);
    for (const auto& [l, v] : b.results)
        ShowWindow(l, SW_HIDE), ShowWindow(v, SW_HIDE);
}

// An item's controls from y down, shown or hidden; where the next begins.
int FormWindow::placeItem(int i, int y)
{
    const form::ItemState& s = presenter().item(i);
    Built& b = built_[i];
    if (!s.shown)
        return hide(b), y;
    const Placer p{*this, s, b, dluX(margin), dluX(width)};
    switch (presenter().outline().items[i].kind) {
    case form::Kind::Heading:
        p.place(b.words, p.left, y, p.across, dluY(line));
        return y + dluY(line);
    case form::Kind::Text:
    case form::Kind::Notes: {
        const int tall = p.extent(b.words, p.across).cy;
        p.place(b.words, p.left, y, p.across, tall);
        return y + tall + (tall ? dluY(gap) : 0);
    }
    case form::Kind::Choice:
        return placeChoice(p, y);
    case form::Kind::List:
        p.place(b.words, p.left, y, dluX(40), dluY(line));
        p.place(b.list, p.left + dluX(44), y, dluX(100), dluY(8 * line));
        return y + dluY(line + gap);
    case form::Kind::Field: { // a long label wraps; a short one stands by the field's middle
        const auto [label, edit] = b.cells[0][0];
        const int wrapped = p.extent(label, dluX(labelWidth)).cy, oneLine = p.extent(label, 0).cy;
        const int tall = std::max(wrapped, dluY(line));
        const int top = wrapped > oneLine ? y : y + (dluY(line) - oneLine) / 2;
        p.place(label, p.left, top, dluX(labelWidth), wrapped);
        p.place(edit, p.left + dluX(labelWidth + gap), y, dluX(cellField), dluY(line));
        return p.problem(y + tall + dluY(gap));
    }
    case form::Kind::Rows:
        return placeRows(p, y);
    case form::Kind::Button:
        return placeButton(p, i, y);
    case form::Kind::Results:
        return placeResults(p, y);
    case form::Kind::Picture: {
        const int wide = int(s.picture.width * dpi_), tall = int(s.picture.height * dpi_);
        p.place(b.picture, p.left, y, wide, tall);
        return y + tall + dluY(gap);
    }
    }
    return y;
}

// Each row's fields after their labels, across; the problems under them.
int FormWindow::placeRows(const Placer& p, int y)
{
    for (const auto& row : p.b.cells) {
        int x = p.left;
        for (const auto& [l, e] : row) {
            p.place(l, x, y, dluX(cellLabel), dluY(line));
            p.place(e, x + dluX(cellLabel + 2), y, dluX(cellField), dluY(line));
            x += dluX(cellLabel + cellField + 2 * gap);
        }
        y += dluY(line + 2);
    }
    return p.problem(y + dluY(gap));
}

// A button as wide as its caption, at least 84 units, beside the button
// before it where that one shows.
int FormWindow::placeButton(const Placer& p, int i, int y)
{
    const int wide = std::clamp(int(p.extent(p.b.button, 0).cx) + dluX(16), dluX(84), p.across);
    const bool beside = i > 0 && built_[i - 1].button && presenter().item(i - 1).shown;
    if (!beside) {
        p.place(p.b.button, p.left, y, wide, dluY(line));
        return y + dluY(line + gap);
    }
    RECT before{};
    GetWindowRect(built_[i - 1].button, &before);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&before), 2);
    p.place(p.b.button, before.right + dluX(gap), before.top + scroll_, wide, dluY(line));
    return y;
}

// The options side by side, each as wide as its caption and at least 116
// units, where the group holds them so; else one under the other.
int FormWindow::placeChoice(const Placer& p, int y)
{
    const int glyph = GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi_) + dluX(2 * gap);
    std::vector<int> wide;
    int across = 0;
    for (const HWND o : p.b.options)
        across +=
            wide.emplace_back(std::max(int(p.extent(o, 0).cx) + glyph, dluX(116))) + dluX(gap);
    const bool stacked = across > p.across - dluX(2 * margin);
    int x = p.left + dluX(margin), top = y + dluY(line - gap);
    for (std::size_t o = 0; o < p.b.options.size(); ++o) {
        p.place(p.b.options[o], x, top, wide[o], dluY(line));
        if (stacked)
            top += dluY(line);
        else
            x += wide[o] + dluX(gap);
    }
    const int lines = stacked ? int(p.b.options.size()) : 1;
    p.place(p.b.group, p.left, y, p.across, dluY((lines + 1) * line + gap));
    return y + dluY((lines + 1) * line + 2 * gap);
}

// Each result's label and value side by side, either wrapping where long.
int FormWindow::placeResults(const Placer& p, int y)
{
    const int valueLeft = p.left + dluX(resultLabel + gap),
              valueWide = p.left + p.across - valueLeft;
    for (const auto& [l, v] : p.b.results) {
        const bool any = !textOf(l).empty();
        const int tall = std::max({int(p.extent(l, dluX(resultLabel)).cy),
                                   int(p.extent(v, valueWide).cy), dluY(line - 2)});
        for (const HWND h : {l, v})
            ShowWindow(h, any ? SW_SHOWNA : SW_HIDE);
        SetWindowPos(l, nullptr, p.left, y - scroll_, dluX(resultLabel), tall,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(v, nullptr, valueLeft, y - scroll_, valueWide, tall,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        y += any ? tall : 0;
    }
    return y + dluY(gap);
}

void FormWindow::scrolled(int code)
{
    SCROLLINFO si{};
    si.cbSize = sizeof si, si.fMask = SIF_ALL;
    GetScrollInfo(hwnd_, SB_VERT, &si);
    const int step = lineHeight(), page = int(si.nPage);
    const int moves[] = {-step, step, -page, page};
    scrollTo(code <= SB_PAGEDOWN                                 ? scroll_ + moves[code]
             : code == SB_THUMBTRACK || code == SB_THUMBPOSITION ? si.nTrackPos
             : code == SB_TOP                                    ? 0
             : code == SB_BOTTOM                                 ? contentHeight_
                                                                 : scroll_);
}

void FormWindow::scrollTo(int y)
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int to = std::clamp(y, 0, std::max(0, contentHeight_ - int(client.bottom)));
    if (to != scroll_)
        scroll_ = to, layout();
}

// A control the keys reach is in view.
void FormWindow::scrollIntoView(HWND control)
{
    RECT r{}, client{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    GetClientRect(hwnd_, &client);
    if (r.top < 0 || r.bottom > client.bottom)
        scrollTo(scroll_ + r.top - client.bottom / 3);
}

} // namespace planner::win32
