// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Windows program's window, in process under Wine, driven by the
// messages a user's keys and clicks produce: what a fault in drawing would
// change (cyan bars, frames, the bold font, icons, a tooltip), places at 96
// dpi and after a move to 192 dpi, the worked states, the focus order, the
// ways out, and what screen readers get through each control's client
// object, which keeps COM's rules. Expected figures are hand-worked (at 96
// dpi a pixel is 15 twips) or come from tests/worked_states.h. The
// builder's tools are tst_win32_builder.cpp's.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <array>
#include <string>

#include "win32/driving.h"

namespace {

using std::string, std::to_string;
using worked::text, worked::Window, worked::moveTo, worked::Reader;

// A control's rectangle in its parent's client area, or a window's client
// area: x, y, width, height.
using Box = std::array<long, 4>;
Box box(HWND h)
{
    RECT r;
    if (const HWND parent = GetParent(h))
        GetWindowRect(h, &r), MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    else
        GetClientRect(h, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

TEST_CASE("what a fault in drawing would change, and places")
{
    Window win;
    const HWND w = win.w.hwnd();
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const HDC dc = GetDC(w);
    CHECK_MESSAGE(GetPixel(dc, 179, 381) == RGB(0, 255, 255), "label7(5), 134 px deep, is cyan");
    CHECK_MESSAGE(GetPixel(dc, 16, 56) == GetSysColor(COLOR_WINDOWFRAME), "lblFreq's frame");
    CHECK_MESSAGE(GetPixel(dc, 16, 16) == GetSysColor(COLOR_BTNFACE), "Label1 has no frame");
    ReleaseDC(w, dc);
    const auto font = [&win](const char* name) { // "weight height"
        LOGFONTW f{};
        GetObjectW(HFONT(SendMessageW(win.at(name), WM_GETFONT, 0, 0)), sizeof f, &f);
        return to_string(f.lfWeight) + " " + to_string(f.lfHeight);
    };
    CHECK_EQ(font("lblFdr"), "700 -13"); // bold, 9.75 points
    CHECK((SendMessageW(w, WM_GETICON, ICON_BIG, 0) && SendMessageW(w, WM_GETICON, ICON_SMALL, 0)));
    HWND tips = nullptr; // the window's tooltips: how many controls have one, and Label10's
    while ((tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr)) &&
           GetWindow(tips, GW_OWNER) != w)
        ;
    char tip[80] = {};
    TTTOOLINFOA ti{sizeof ti, 0, w, UINT_PTR(win.at("Label10")), {}, nullptr, tip, 0, nullptr};
    SendMessageA(tips, TTM_GETTEXTA, sizeof tip, LPARAM(&ti));
    CHECK_EQ(to_string(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0)) + " " + tip,
             "5 Depth in Millimeters");
    int controls = 0;
    EnumChildWindows(
        w, [](HWND, LPARAM n) { return BOOL(++*reinterpret_cast<int*>(n)); }, LPARAM(&controls));
    CHECK((controls == 61 && box(w) == Box{0, 0, 792, 573}));
    for (const auto& [name, x, y, width, height] : worked::spots)
        CHECK_MESSAGE((box(win.at(name)) == Box{x, y, width, height}), name);
    RECT suggested{10, 10, 20, 20};
    SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(192, 192), LPARAM(&suggested));
    CHECK((box(w) == Box{0, 0, 1584, 1146} && box(win.at("Label5")) == Box{576, 16, 98, 50}));
    CHECK_EQ(font("lblFdr"), "700 -26"); // moved to 192 dpi
    PostMessageW(w, WM_CLOSE, 0, 0);
    CHECK_MESSAGE(win.ended(), "closing the frame ends");
}

// Each worked state: its figures, its bars; readers pass by what lies
// beyond the rim, and read each bar where it stands.
TEST_CASE("the worked states, by keys, clicks and the thumb")
{
    int i = 2; // so that each way moves some bar up and some down
    for (const worked::State& s : worked::states) {
        INFO(s.name);
        Window win;
        const int way = i++ % 3;
        for (const auto& [bar, value] :
             {std::pair{"vsbFreq", s.freq}, {"vsbDiam", s.diam}, {"vsbDepth", s.depth}})
            moveTo(win, bar, value, way);
        for (const worked::Shown& c : s.shown)
            CHECK_MESSAGE(text(win.at(c.control)) == c.caption, c.control);
        for (const auto& [member, twips] : s.bars)
            CHECK_EQ(box(win.at("label7(" + to_string(member) + ")"))[3], long(twips / 15 + 0.5f));
        const auto invisible = [&](const char* array, int r) {
            return Reader(win.at(array + ("(" + to_string(r) + ")"))).invisible();
        };
        const int rim = s.diam / 2;
        CHECK_MESSAGE(!invisible("label7", rim), "the bar at the rim is read");
        CHECK_MESSAGE(!invisible("label8", rim), "the figure at the rim is read");
        if (rim + 1 < planner::arrayMembers) {
            CHECK_MESSAGE(invisible("label7", rim + 1), "no bar beyond the rim");
            CHECK_MESSAGE(invisible("label8", rim + 1), "no figure beyond the rim");
        }
        CHECK_EQ(Reader(win.at("vsbFreq")).value(), to_string(s.freq));
    }
}

// COM's rules: from each interface the object hands out (IAccessible,
// IDispatch, IOleWindow; not IEnumVARIANT), IUnknown is the object itself;
// and its window is the control's.
void checkComIdentity(const Reader& r, HWND window)
{
    IUnknown* self = nullptr;
    r.a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&self));
    const std::pair<const IID*, const char*> ids[] = {{&IID_IAccessible, "IAccessible"},
                                                      {&IID_IDispatch, "IDispatch"},
                                                      {&IID_IOleWindow, "IOleWindow"},
                                                      {&IID_IEnumVARIANT, "IEnumVARIANT"}};
    for (const auto& [id, name] : ids) {
        IUnknown *i = nullptr, *back = nullptr;
        const bool handed = SUCCEEDED(r.a->QueryInterface(*id, reinterpret_cast<void**>(&i)));
        CHECK_MESSAGE(handed == (*id != IID_IEnumVARIANT), name, " handed out");
        if (!handed)
            continue;
        i->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&back));
        CHECK_MESSAGE(back == self, "IUnknown from ", name, " is the object");
        back->Release(), i->Release();
    }
    self->Release();
    HWND own = nullptr;
    WindowFromAccessibleObject(r.a, &own);
    CHECK_MESSAGE(own == window, "the object's window is the control");
}

// What readers get at start-up (names with meanings and units, the bar's
// place and every figure, a tooltip as description), where navigation
// leads past what has vanished, what one step announces and renames, COM's
// rules, and that an object a reader keeps after the window has gone says so.
TEST_CASE("what screen readers get")
{
    std::wstring announced;
    Window win([&](HWND, const std::wstring& sentence) { announced = sentence; });
    for (const auto& [control, name, text, hidden] : worked::readAs) {
        const Reader r(win.at(control));
        CHECK_EQ(r.name(), name);
        CHECK_MESSAGE(r.invisible() == hidden, control);
    }
    const Reader diam(win.at("vsbDiam"));
    CHECK_EQ(diam.name() + " " + diam.value() + "; " + diam.description().substr(0, 36),
             "Diameter in inches 10; Diameter 10 inches, 254 millimetres.");
    CHECK_EQ(Reader(win.at("Label10")).description(), "Depth in Millimeters"); // a tip
    // label8(6) to (20) are empty and label7(0) has no bar at start-up.
    const Reader window(win.w.hwnd());
    CHECK_EQ(Reader(win.at("label8(5)")).towards(NAVDIR_NEXT), "bar at 1 inch");
    CHECK_EQ(Reader(win.at("label7(1)")).towards(NAVDIR_PREVIOUS), "at 5 inches, 2.02 deep");
    CHECK_EQ(window.towards(NAVDIR_FIRSTCHILD) + "; " + window.towards(NAVDIR_LASTCHILD),
             "Frequency mhz.; bar at 5 inches");
    SetFocus(win.at("vsbDiam"));
    win.key(win.at("vsbDiam"), VK_DOWN);
    CHECK(announced == L"Diameter 11 inches, 279.4 millimetres. Focal length 3.78 inches, 96.012 "
                       L"millimetres. F/D ratio 0.34. Gain 6 times. Rim 1.67 deep at 5 inches.");
    CHECK_EQ(diam.value() + "; " + Reader(win.at("label8(5)")).name(),
             "11; at 5 inches, 1.67 deep"); // read again after the step
    checkComIdentity(diam, win.at("vsbDiam"));
    const Reader kept(win.at("lblFlen"));
    PostMessageW(win.w.hwnd(), WM_CLOSE, 0, 0);
    win.ended();
    CHECK_EQ(kept.name(), "!" + to_string(RPC_E_DISCONNECTED)); // a kept object, the window gone
}

// Tab round to the start; Enter and Escape, which press nothing, on
// controls given the focus directly; End and Home; then Alt+X.
TEST_CASE("keys")
{
    Window win;
    const auto stop = [&](std::size_t i) {
        return win.w.control(planner::row(planner::tabOrder[i % planner::tabOrder.size()]));
    };
    CHECK(GetFocus() == stop(0)); // opens with the focus first in the Tab order
    for (std::size_t i = 1; i <= planner::tabOrder.size(); ++i) {
        win.key(GetFocus(), VK_TAB);
        CHECK_MESSAGE(GetFocus() == stop(i), "Tab to stop ", i);
    }
    for (const char* focus : {"vsbFreq", "cmdExit", "vsbDepth"}) {
        SetFocus(win.at(focus));
        win.key(GetFocus(), VK_RETURN), win.key(GetFocus(), VK_ESCAPE);
    }
    const auto figures = [&] {
        return text(win.at("lblFreq")) + " " + text(win.at("lblDiam")) + " " +
               text(win.at("lblDepth")) + " " + to_string(win.value("vsbDepth"));
    };
    CHECK_EQ(figures(), "1200 10 2 20"); // Enter and Escape change nothing
    win.key(GetFocus(), VK_HOME), SetFocus(win.at("vsbFreq")), win.key(GetFocus(), VK_END);
    CHECK_EQ(figures(), "10000 10 1 10");
    PostMessageW(GetFocus(), WM_SYSKEYDOWN, 'X', 0x20000001);
    CHECK(win.ended()); // Alt+X
}

} // namespace
