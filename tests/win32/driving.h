// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Windows program's window as the tests drive it, in process under
// Wine, through the messages a user's keys and clicks produce: a window's
// text; the planner window made and shown, with its keys, scrolls and
// Ctrl shortcuts; a bar moved to a value a user's way; what a screen
// reader gets of a control.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <string>

#include "window/win32/planner_window_win32.h"
#include "worked_states.h"

namespace worked {

using std::string, std::to_string;

inline string text(HWND h)
{
    char s[256] = {};
    GetWindowTextA(h, s, sizeof s);
    return s;
}

inline const VARIANT self = [] { // the object itself, not one of its parts
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = CHILDID_SELF;
    return v;
}();

// What a screen reader gets of a window through its client object, as
// UTF-8; "!" and the error code when the object would not say.
struct Reader {
    IAccessible* a = nullptr;
    explicit Reader(HWND h)
    {
        AccessibleObjectFromWindow(h, DWORD(OBJID_CLIENT), IID_IAccessible,
                                   reinterpret_cast<void**>(&a));
    }
    explicit Reader(IAccessible* object) : a(object) {}
    ~Reader() { a ? a->Release() : 0; }
    Reader(const Reader&) = delete;
    string get(HRESULT (STDMETHODCALLTYPE IAccessible::*what)(VARIANT, BSTR*)) const
    {
        BSTR s = nullptr;
        const HRESULT hr = a ? (a->*what)(self, &s) : E_FAIL;
        char utf8[512] = {};
        if (s)
            WideCharToMultiByte(CP_UTF8, 0, s, -1, utf8, sizeof utf8, nullptr, nullptr);
        SysFreeString(s);
        return FAILED(hr) ? "!" + to_string(hr) : utf8;
    }
    string name() const { return get(&IAccessible::get_accName); }
    string value() const { return get(&IAccessible::get_accValue); }
    string description() const { return get(&IAccessible::get_accDescription); }
    bool invisible() const
    {
        VARIANT state{};
        return a && SUCCEEDED(a->get_accState(self, &state)) &&
               (state.lVal & STATE_SYSTEM_INVISIBLE);
    }
    // The name of the object in a direction, "" for none.
    string towards(long dir) const
    {
        VARIANT to{};
        if (!a || a->accNavigate(dir, self, &to) != S_OK || to.vt != VT_DISPATCH)
            return "";
        IAccessible* next = nullptr;
        to.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&next));
        to.pdispVal->Release();
        return Reader(next).name();
    }
};

struct Window {
    planner::win32::PlannerWindow w;
    explicit Window(planner::win32::Announce announce = {},
                    planner::win32::AskPrinter ask = planner::win32::askWithPrintDlgEx)
        : w(std::move(announce), std::move(ask))
    {
        w.create(GetModuleHandleW(nullptr)), w.handleWaiting();
    }
    HWND at(std::string_view name) const { return w.control(planner::rowNamed(name).value()); }
    int value(const char* bar) const { return GetScrollPos(at(bar), SB_CTL); }
    void scroll(const char* bar, int code, int thumb = 0)
    {
        SendMessageW(w.hwnd(), WM_VSCROLL, MAKEWPARAM(code, thumb), LPARAM(at(bar)));
    }
    void key(HWND to, UINT vk) { PostMessageW(to, WM_KEYDOWN, vk, 1), w.handleWaiting(); }
    // Ctrl and a letter, to the control with the focus.
    void ctrl(char letter)
    {
        BYTE keys[256] = {};
        keys[VK_CONTROL] = 0x80, SetKeyboardState(keys);
        key(GetFocus(), UINT(letter));
        keys[VK_CONTROL] = 0, SetKeyboardState(keys);
    }
    bool ended() { return !w.handleWaiting() && !w.hwnd(); }
};

// Moves a bar as a user would, one of three ways: page and arrow keys on
// the focused bar (way 0), clicks in the track and on the arrows (1), or
// dragging the thumb and letting it go (2).
inline void moveTo(Window& win, const char* bar, int target, int way)
{
    const HWND h = win.at(bar);
    const auto [pages, lines, down] = worked::moves(bar, win.value(bar), target);
    SetFocus(h);
    for (int i = 0; way < 2 && i < pages + lines; ++i) {
        const bool page = i < pages;
        if (way == 0)
            win.key(h, page ? (down ? VK_NEXT : VK_PRIOR) : (down ? VK_DOWN : VK_UP));
        else
            win.scroll(bar,
                       page ? (down ? SB_PAGEDOWN : SB_PAGEUP) : (down ? SB_LINEDOWN : SB_LINEUP));
    }
    const HWND figure =
        win.at(std::find_if(std::begin(worked::bars), std::end(worked::bars), [&](const auto& b) {
                   return b.bar == bar;
               })->figure);
    const string before = text(figure);
    if (way == 2) { // nothing changes while the thumb is dragged
        win.scroll(bar, SB_THUMBTRACK, target);
        CHECK_EQ(text(figure), before);
        win.scroll(bar, SB_THUMBPOSITION, target);
    }
    CHECK_EQ(win.value(bar), target);
}

} // namespace worked
