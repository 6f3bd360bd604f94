// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the Win32 window looks like and tells: pixels drawn (cyan bars,
// frames, the rim bar cut off), a change of dpi (sizes, fonts, icons),
// tooltips from the design, and names for screen readers.
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <iostream>
#include <string>

#include "window_driver.h"

using namespace driver;

namespace {

COLORREF pixelAt(const Window& win, int x, int y)
{
    RedrawWindow(win.w.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(win.w.hwnd());
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(win.w.hwnd(), dc);
    return c;
}

void drawing()
{
    Window win;
    const COLORREF cyan = RGB(0, 255, 255), face = GetSysColor(COLOR_BTNFACE);
    check::that(GetSysColor(COLOR_WINDOWFRAME) != face, "a frame shows against the face");
    const struct {
        const char* what;
        int x, y;
        COLORREF colour;
    } points[] = {
        {"label7(5), 134 px deep, is cyan to its end", 168 + 11, 248 + 133, cyan},
        {"below label7(5) the window shows", 168 + 11, 248 + 134, face},
        {"lblFreq's frame", 16, 48 + 8, GetSysColor(COLOR_WINDOWFRAME)},
        {"Label1 has no frame", 16, 8 + 8, face},
    };
    for (const auto& p : points)
        check::equal(pixelAt(win, p.x, p.y), p.colour, p.what);
    moveTo(win, Ctl::vsbDiam, 40, Way::Drag);
    moveTo(win, Ctl::vsbDepth, 50, Way::Drag);
    check::equal(pixelAt(win, 660, 572), cyan, "the deepest rim bar runs off the window");
}

int fontHeight(HWND c)
{
    LOGFONTW f{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)), sizeof f, &f);
    return f.lfHeight;
}

int iconWidth(HWND w, WPARAM which)
{
    ICONINFO info{};
    BITMAP b{};
    const auto icon = reinterpret_cast<HICON>(SendMessageW(w, WM_GETICON, which, 0));
    if (!icon || !GetIconInfo(icon, &info))
        return 0;
    GetObjectW(info.hbmMask, sizeof b, &b);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    return b.bmWidth;
}

void dpiChanges()
{
    const struct {
        UINT dpi;
        Box client, label5, label7at5;
        int bold, normal, bigIcon, smallIcon;
    } rows[] = {
        {144, {0, 0, 1188, 860}, {432, 12, 74, 38}, {252, 372, 35, 202}, -20, -16, 48, 24},
        {192, {0, 0, 1584, 1146}, {576, 16, 98, 50}, {336, 496, 46, 269}, -26, -21, 64, 32},
        {96, {0, 0, 792, 573}, {288, 8, 49, 25}, {168, 248, 23, 134}, -13, -11, 32, 16},
    };
    Window win;
    for (const auto& r : rows) {
        RECT suggested{10, 10, 20, 20};
        SendMessageW(win.w.hwnd(), WM_DPICHANGED, MAKEWPARAM(r.dpi, r.dpi), LPARAM(&suggested));
        const std::string at = " at " + std::to_string(r.dpi) + " dpi";
        RECT c;
        GetClientRect(win.w.hwnd(), &c);
        check::equal(Box{0, 0, c.right, c.bottom}, r.client, "client area" + at);
        check::equal(boxOf(win.at("Label5")), r.label5, "Label5" + at);
        check::equal(boxOf(win.at("label7(5)")), r.label7at5, "label7(5)" + at);
        check::equal(fontHeight(win.at("lblFdr")), r.bold, "bold figure font" + at);
        check::equal(fontHeight(win.at("Label1")), r.normal, "default font" + at);
        check::equal(iconWidth(win.w.hwnd(), ICON_BIG), r.bigIcon, "big icon" + at);
        check::equal(iconWidth(win.w.hwnd(), ICON_SMALL), r.smallIcon, "small icon" + at);
    }
}

void tooltips()
{
    Window win;
    HWND tips = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM found) {
            wchar_t cls[64];
            GetClassNameW(h, cls, 64);
            if (lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0)
                *reinterpret_cast<HWND*>(found) = h;
            return TRUE;
        },
        LPARAM(&tips));
    check::equal(int(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0)), 5, "tools with a tip");
    const std::pair<const char*, const char*> tipped[] = {
        {"Label10", "Depth in Millimeters"}, {"label8(5)", "One inch or 25.4 mm. appart"}};
    for (const auto& [name, tip] : tipped) {
        wchar_t text[128] = {};
        TTTOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.hwnd = win.w.hwnd();
        ti.uId = UINT_PTR(win.at(name));
        ti.lpszText = text;
        SendMessageW(tips, TTM_GETTEXTW, 128, LPARAM(&ti));
        check::equal(narrow(text), std::string(tip), std::string("tip of ") + name);
    }
}

bool underWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

void screenReaders()
{
    Window win;
    const std::pair<const char*, std::string> names[] = {{"vsbFreq", "Frequency in MHz"},
                                                         {"vsbDiam", "Diameter in inches"},
                                                         {"vsbDepth", "Depth in tenths of an inch"},
                                                         {"Label5", "   Depth   in ins."}};
    for (const auto& [control, name] : names) {
        IAccessible* a = nullptr;
        BSTR got = nullptr;
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        if (SUCCEEDED(AccessibleObjectFromWindow(win.at(control), DWORD(OBJID_CLIENT),
                                                 IID_IAccessible, reinterpret_cast<void**>(&a))))
            a->get_accName(self, &got);
        const std::string shown = got ? narrow(got) : "(none)";
        // Wine's oleacc keeps no annotations (SetHwndPropStr: E_NOTIMPL).
        if (shown != name && underWine())
            std::cout << "not checked under Wine: the accessible name of " << control << '\n';
        else
            check::equal(shown, name, std::string("accessible name of ") + control);
        SysFreeString(got);
        if (a)
            a->Release();
    }
}

} // namespace

int main()
{
    drawing();
    dpiChanges();
    tooltips();
    screenReaders();
    return check::report();
}
