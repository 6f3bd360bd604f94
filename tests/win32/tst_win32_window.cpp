// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Win32 window in process, driven by the messages a user's clicks and
// keys produce: layout against the design, the shared worked states, scroll
// steps and range ends, focus order, Exit, what is drawn, a dpi change,
// tooltips and screen reader names. Expected figures are hand-worked.
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "check.h"
#include "window/win32/planner_window_win32.h"
#include "worked_states.h"

using planner::Ctl;
using planner::designTable;
using planner::row;
using planner::win32::PlannerWindow;

namespace {

struct Box {
    int x, y, w, h;
    bool operator==(const Box&) const = default;
};
std::ostream& operator<<(std::ostream& o, const Box& b)
{
    return o << '(' << b.x << ',' << b.y << ',' << b.w << ',' << b.h << ')';
}

// A control's rectangle in its parent's client area.
Box boxOf(HWND c)
{
    RECT r;
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, GetParent(c), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::string textOf(HWND h)
{
    wchar_t w[256] = {};
    GetWindowTextW(h, w, 256);
    char s[512] = {};
    WideCharToMultiByte(CP_UTF8, 0, w, -1, s, sizeof s, nullptr, nullptr);
    return s;
}

// "lblFreq" or "label8(5)" to its design row.
int rowNamed(std::string_view name)
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

void moveTo(Window& win, Ctl c, int target, Way way)
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

void layout()
{
    Window win;
    RECT client;
    GetClientRect(win.w.hwnd(), &client);
    check::equal(Box{0, 0, client.right, client.bottom}, Box{0, 0, 792, 573}, "client area");
    int children = 0;
    for (HWND c = GetWindow(win.w.hwnd(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        ++children;
    check::equal(children, 61, "controls");
    for (int r = 0; r < planner::controlCount; ++r) {
        const planner::Rect& t = designTable()[r].twips;
        const Box b = boxOf(win.w.control(r));
        const bool bar = designTable()[r].name == "label7"; // heights follow the profile
        check::equal(b, Box{t.left / 15, t.top / 15, t.width / 15, bar ? b.h : t.height / 15},
                     "row " + std::to_string(r) + " at twips / 15");
    }
    const struct {
        const char* name;
        Box pixels;
    } spots[] = {{"Label5", {288, 8, 49, 25}},       {"lblFreq", {16, 48, 49, 17}},
                 {"vsbDiam", {96, 88, 17, 121}},     {"cmdExit", {512, 24, 73, 25}},
                 {"label8(20)", {648, 224, 23, 17}}, {"label7(3)", {104, 248, 23, 48}}};
    for (const auto& [name, pixels] : spots)
        check::equal(boxOf(win.at(name)), pixels, name);
}

void workedStates()
{
    for (const Way way : {Way::Keys, Way::Clicks, Way::Drag}) {
        for (const worked::State& s : worked::states) {
            Window win;
            moveTo(win, Ctl::vsbFreq, s.freq, way);
            moveTo(win, Ctl::vsbDiam, s.diam, way);
            moveTo(win, Ctl::vsbDepth, s.depth, way);
            const std::string at = std::string(s.name) + " way " + std::to_string(int(way)) + ": ";
            for (const worked::Shown& c : s.shown)
                check::equal(textOf(win.at(c.control)), std::string(c.caption),
                             at + std::string(c.control));
            for (const auto& [member, twips] : s.bars)
                check::equal(boxOf(win.w.control(row(planner::LabelArray::label7, member))).h,
                             int(twips / 15 + 0.5f), at + "bar " + std::to_string(member));
        }
    }
}

void steps()
{
    constexpr int none = -1;
    const struct {
        const char* what;
        Ctl bar;
        int startAt; // first dragged there, or none
        UINT key;    // a key on the focused bar, or 0 for a scroll message
        int code;    // the scroll message's code
        int pos;     // the thumb's position in it
        int value;
        const char* figure; // lblFreq, lblDiam or lblDepth after the step
    } rows[] = {
        {"frequency arrow key", Ctl::vsbFreq, none, VK_DOWN, 0, 0, 1201, "1201"},
        {"frequency page key", Ctl::vsbFreq, none, VK_NEXT, 0, 0, 1300, "1300"},
        {"frequency End key", Ctl::vsbFreq, none, VK_END, 0, 0, 10000, "10000"},
        {"diameter track click", Ctl::vsbDiam, none, 0, SB_PAGEDOWN, 0, 11, "11"},
        {"depth up arrow click", Ctl::vsbDepth, none, 0, SB_LINEUP, 0, 19, "1.9"},
        {"depth Page Up key", Ctl::vsbDepth, none, VK_PRIOR, 0, 0, 19, "1.9"},
        {"dragging the thumb", Ctl::vsbDiam, none, 0, SB_THUMBTRACK, 30, 10, "10"},
        {"released thumb", Ctl::vsbDiam, none, 0, SB_THUMBPOSITION, 30, 30, "30"},
        {"frequency holds at its lowest", Ctl::vsbFreq, none, 0, SB_LINEUP, 0, 1200, "1200"},
        {"depth holds at its deepest", Ctl::vsbDepth, 50, 0, SB_PAGEDOWN, 0, 50, "5"},
        {"diameter holds at its largest", Ctl::vsbDiam, 40, VK_DOWN, 0, 0, 40, "40"},
        {"frequency page stops at its highest", Ctl::vsbFreq, 9950, VK_NEXT, 0, 0, 10000, "10000"},
    };
    const Ctl figures[] = {Ctl::lblFreq, Ctl::lblDiam, Ctl::lblDepth};
    for (const auto& r : rows) {
        Window win;
        if (r.startAt != none)
            moveTo(win, r.bar, r.startAt, Way::Drag);
        if (r.key) {
            SetFocus(win.bar(r.bar));
            win.key(win.bar(r.bar), r.key);
        } else {
            win.scroll(r.bar, r.code, r.pos);
        }
        check::equal(win.value(r.bar), r.value, r.what);
        const HWND figure = win.w.control(row(figures[int(r.bar) - int(Ctl::vsbFreq)]));
        check::equal(textOf(figure), std::string(r.figure), std::string(r.what) + ", figure");
    }
}

// Every caption and bar value, to see that nothing changed.
std::string everythingShown(const Window& win)
{
    std::string all;
    for (int r = 0; r < planner::controlCount; ++r)
        all += textOf(win.w.control(r)) + "|" + std::to_string(boxOf(win.w.control(r)).h) + "|";
    for (const Ctl c : {Ctl::vsbFreq, Ctl::vsbDiam, Ctl::vsbDepth})
        all += std::to_string(win.value(c)) + "|";
    return all;
}

void focusAndKeys()
{
    Window win;
    check::that(GetFocus() == win.bar(Ctl::vsbFreq), "opens with the focus on vsbFreq");
    for (const char* next : {"vsbDiam", "cmdExit", "vsbDepth", "vsbFreq"}) {
        win.key(GetFocus(), VK_TAB);
        check::that(GetFocus() == win.at(next), std::string("Tab to ") + next);
    }
    const std::string before = everythingShown(win);
    for (const char* focus : {"vsbFreq", "cmdExit", "vsbDepth"}) {
        SetFocus(win.at(focus));
        for (const UINT vk : {VK_RETURN, VK_ESCAPE})
            win.key(win.at(focus), vk);
        check::that(win.w.handleWaiting() && win.w.hwnd(),
                    std::string("open after Enter, Escape on ") + focus);
    }
    check::equal(everythingShown(win), before, "Enter and Escape change nothing");
}

void exits()
{
    const struct {
        const char* how;
        std::function<void(Window&)> act;
    } ways[] = {
        {"Alt+X", [](Window&) { PostMessageW(GetFocus(), WM_SYSKEYDOWN, 'X', 0x20000001); }},
        {"a click on Exit", [](Window& w) { PostMessageW(w.at("cmdExit"), BM_CLICK, 0, 0); }},
        {"closing the frame", [](Window& w) { PostMessageW(w.w.hwnd(), WM_CLOSE, 0, 0); }},
    };
    for (const auto& [how, act] : ways) {
        Window win;
        act(win);
        check::that(!win.w.handleWaiting(), std::string(how) + " ends the message loop");
        check::that(win.w.hwnd() == nullptr, std::string(how) + " closes the window");
    }
}

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
        char narrow[256] = {};
        WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
        check::equal(std::string(narrow), std::string(tip), std::string("tip of ") + name);
    }
}

bool underWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

void screenReaders()
{
    Window win;
    const std::pair<const char*, const wchar_t*> names[] = {
        {"vsbFreq", L"Frequency in MHz"},
        {"vsbDiam", L"Diameter in inches"},
        {"vsbDepth", L"Depth in tenths of an inch"},
        {"Label5", L"   Depth   in ins."}};
    for (const auto& [control, name] : names) {
        IAccessible* a = nullptr;
        BSTR got = nullptr;
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        if (SUCCEEDED(AccessibleObjectFromWindow(win.at(control), DWORD(OBJID_CLIENT),
                                                 IID_IAccessible, reinterpret_cast<void**>(&a))))
            a->get_accName(self, &got);
        const bool same = got && lstrcmpW(got, name) == 0;
        if (!same && underWine())
            std::cout << "not checked under Wine: the accessible name of " << control << '\n';
        else
            check::that(same, std::string("accessible name of ") + control);
        SysFreeString(got);
        if (a)
            a->Release();
    }
}

} // namespace

int main()
{
    layout();
    workedStates();
    steps();
    focusAndKeys();
    exits();
    drawing();
    dpiChanges();
    tooltips();
    screenReaders();
    return check::report();
}
