// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Builds each control from its design row. Labels wrap their caption at
// blanks and keep the blanks (a STATIC control draws with DT_WORDBREAK), show
// "&" as it is (SS_NOPREFIX) and take the mouse (SS_NOTIFY) so that their
// tooltips show; a framed row gets the thin WS_BORDER frame.
#include "window/win32/controls_win32.h"

#include <commctrl.h>

#include "window/metrics.h"

namespace planner::win32 {

namespace {

// The design's face, which Windows has or substitutes, at the design's
// size as a character height.
HFONT makeFont(Font which, UINT dpi)
{
    const FontDesign& f = fontOf(which);
    return CreateFontW(-toPixels(f.twips, int(dpi)), 0, 0, 0, f.weight, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, widen(f.faces[0]).c_str());
}

DWORD styleOf(const ControlDesign& d)
{
    const DWORD child = WS_CHILD | WS_VISIBLE;
    switch (d.kind) {
    case Kind::ScrollBar:
        return child | WS_TABSTOP | SBS_VERT;
    case Kind::Button:
        return child | WS_TABSTOP | BS_PUSHBUTTON;
    case Kind::Label:
        break;
    }
    return child | SS_NOPREFIX | SS_NOTIFY | (d.align == Align::Center ? SS_CENTER : SS_LEFT) |
           (d.border ? WS_BORDER : 0);
}

const wchar_t* classOf(Kind k)
{
    switch (k) {
    case Kind::ScrollBar:
        return L"SCROLLBAR";
    case Kind::Button:
        return L"BUTTON";
    case Kind::Label:
        break;
    }
    return L"STATIC";
}

void setRange(HWND bar, const ScrollSettings& s)
{
    // With a page of p the thumb reaches max only if the range ends p - 1
    // further on.
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = s.min;
    si.nMax = s.max + s.largeChange - 1;
    si.nPage = static_cast<UINT>(s.largeChange);
    si.nPos = s.value;
    SetScrollInfo(bar, SB_CTL, &si, FALSE);
}

} // namespace

std::wstring widen(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), n);
    return wide;
}

std::string narrow(std::wstring_view w)
{
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

std::string textOf(HWND h)
{
    std::wstring w(std::size_t(GetWindowTextLengthW(h)) + 1, L'\0');
    w.resize(std::size_t(GetWindowTextW(h, w.data(), int(w.size()))));
    return narrow(w);
}

Fonts::Fonts(UINT dpi) : normal_(makeFont(Font::Default, dpi)), bold_(makeFont(Font::Bold, dpi)) {}

Fonts::~Fonts()
{
    DeleteObject(normal_);
    DeleteObject(bold_);
}

HWND createControl(const ControlDesign& d, HWND parent, int id, UINT dpi, const Fonts& fonts)
{
    const Rect& r = d.twips;
    HWND h = CreateWindowExW(0, classOf(d.kind), widen(d.caption).c_str(), styleOf(d),
                             toPixels(r.left, int(dpi)), toPixels(r.top, int(dpi)),
                             toPixels(r.width, int(dpi)), toPixels(r.height, int(dpi)), parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
    if (!h)
        return nullptr;
    if (d.kind == Kind::ScrollBar)
        setRange(h, d.scroll);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.font(d.font)), FALSE);
    return h;
}

HWND createTooltips(HWND parent)
{
    return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

void addTooltip(HWND tooltips, HWND parent, HWND control, std::string_view text)
{
    std::wstring tip = widen(text); // the tooltip keeps its own copy
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = parent;
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    ti.lpszText = tip.data();
    SendMessageW(tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

} // namespace planner::win32
