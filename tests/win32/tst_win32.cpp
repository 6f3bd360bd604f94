// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Windows program's window, in process under Wine, driven by the
// messages a user's keys and clicks produce: what a fault in drawing would
// change (cyan bars, frames, the bold font, icons, a tooltip), places at 96
// dpi and after a move to 192 dpi, the worked states, the focus order, the
// ways out, and what screen readers get through each control's client
// object, which keeps COM's rules. Expected figures are hand-worked (at 96
// dpi a pixel is 15 twips) or come from tests/worked_states.h.
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <string>

#include "check.h"
#include "window/win32/planner_window_win32.h"
#include "worked_states.h"

namespace {

using std::string, std::to_string;

string text(HWND h)
{
    char s[256] = {};
    GetWindowTextA(h, s, sizeof s);
    return s;
}

// A control's rectangle in its parent's client area, or a window's client
// area, as "x,y,w,h".
string box(HWND h)
{
    RECT r;
    if (const HWND parent = GetParent(h))
        GetWindowRect(h, &r), MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    else
        GetClientRect(h, &r);
    return to_string(r.left) + "," + to_string(r.top) + "," + to_string(r.right - r.left) + "," +
           to_string(r.bottom - r.top);
}

const VARIANT self = [] { // the object itself, not one of its parts
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
    explicit Window(planner::win32::Announce announce = {}) : w(std::move(announce))
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
    bool ended() { return !w.handleWaiting() && !w.hwnd(); }
};

void looks()
{
    Window win;
    const HWND w = win.w.hwnd();
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const HDC dc = GetDC(w);
    check::that(GetPixel(dc, 179, 381), RGB(0, 255, 255), "label7(5), 134 px deep, is cyan");
    check::that(GetPixel(dc, 16, 56), GetSysColor(COLOR_WINDOWFRAME), "lblFreq's frame");
    check::that(GetPixel(dc, 16, 16), GetSysColor(COLOR_BTNFACE), "Label1 has no frame");
    ReleaseDC(w, dc);
    const auto font = [&win](const char* name) { // "weight height"
        LOGFONTW f{};
        GetObjectW(HFONT(SendMessageW(win.at(name), WM_GETFONT, 0, 0)), sizeof f, &f);
        return to_string(f.lfWeight) + " " + to_string(f.lfHeight);
    };
    check::that(font("lblFdr"), "700 -13", "lblFdr's font: bold, 9.75 points");
    check::that(SendMessageW(w, WM_GETICON, ICON_BIG, 0) &&
                    SendMessageW(w, WM_GETICON, ICON_SMALL, 0),
                true, "the window's two icons");
    HWND tips = nullptr;
    while ((tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr)) &&
           GetWindow(tips, GW_OWNER) != w)
        ;
    char tip[80] = {};
    TTTOOLINFOA ti{sizeof ti, 0, w, UINT_PTR(win.at("Label10")), {}, nullptr, tip, 0, nullptr};
    SendMessageA(tips, TTM_GETTEXTA, sizeof tip, LPARAM(&ti));
    check::that(to_string(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0)) + " " + tip,
                "5 Depth in Millimeters", "the controls with a tip, and Label10's");
    int controls = 0;
    EnumChildWindows(
        w, [](HWND, LPARAM n) { return BOOL(++*reinterpret_cast<int*>(n)); }, LPARAM(&controls));
    check::that(to_string(controls) + " " + box(w), "61 0,0,792,573", "controls, client area");
    for (const auto& [name, x, y, width, height] : worked::spots)
        check::that(box(win.at(name)),
                    to_string(x) + "," + to_string(y) + "," + to_string(width) + "," +
                        to_string(height),
                    string(name));
    RECT suggested{10, 10, 20, 20};
    SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(192, 192), LPARAM(&suggested));
    check::that(box(w) + " " + box(win.at("Label5")) + " " + font("lblFdr"),
                "0,0,1584,1146 576,16,98,50 700 -26", "moved to 192 dpi");
    PostMessageW(w, WM_CLOSE, 0, 0);
    check::that(win.ended(), true, "closing the frame ends");
}

// Moves a bar as a user would, one of three ways: page and arrow keys on
// the focused bar (way 0), clicks in the track and on the arrows (1), or
// dragging the thumb and letting it go (2).
void moveTo(Window& win, const char* bar, int target, int way)
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
    if (way == 2)
        win.scroll(bar, SB_THUMBTRACK, target), win.scroll(bar, SB_THUMBPOSITION, target);
    check::that(win.value(bar), target, string(bar) + " moved there");
}

// Each worked state: its figures, its bars; readers pass by what lies
// beyond the rim, and read each bar where it stands.
void workedStates()
{
    int i = 2; // so that each way moves some bar up and some down
    for (const worked::State& s : worked::states) {
        check::about = s.name;
        Window win;
        const int way = i++ % 3;
        for (const auto& [bar, value] :
             {std::pair{"vsbFreq", s.freq}, {"vsbDiam", s.diam}, {"vsbDepth", s.depth}})
            moveTo(win, bar, value, way);
        for (const worked::Shown& c : s.shown)
            check::that(text(win.at(c.control)), c.caption, string(c.control));
        for (const auto& [member, twips] : s.bars) {
            const string bar = box(win.at("label7(" + to_string(member) + ")"));
            check::that(bar.substr(bar.rfind(',') + 1), to_string(int(twips / 15 + 0.5f)),
                        "bar " + to_string(member));
        }
        const auto gone = [&](int r) { // 0: both read; 3: neither the bar nor the figure
            const string at = "(" + to_string(r) + ")";
            return Reader(win.at("label7" + at)).invisible() +
                   2 * Reader(win.at("label8" + at)).invisible();
        };
        check::that(gone(s.diam / 2) * 10 + (s.diam < 40 ? gone(s.diam / 2 + 1) : 3), 3,
                    "the rim read, not beyond");
        check::that(Reader(win.at("vsbFreq")).value(), to_string(s.freq), "vsbFreq read");
    }
    check::about.clear();
}

// One key on the focused bar, or one scroll message, from start-up; then
// the bar's value and figure. (Where a move stops at an end is the
// session's, tested there.)
void steps()
{
    // clang-format off
    const struct { const char *what, *bar, *shown; int key, code, thumb; } rows[] = {
        {"dragging the thumb alone", "vsbDiam", "10 10", 0, SB_THUMBTRACK, 30},
        {"frequency End key", "vsbFreq", "10000 10000", VK_END, 0, 0},
        {"depth Home key", "vsbDepth", "10 1", VK_HOME, 0, 0}};
    // clang-format on
    for (const auto& r : rows) {
        Window win;
        SetFocus(win.at(r.bar));
        r.key ? win.key(win.at(r.bar), r.key) : win.scroll(r.bar, r.code, r.thumb);
        const string figure = text(win.at("lbl" + string(r.bar + 3))); // vsbFreq: lblFreq
        check::that(to_string(win.value(r.bar)) + " " + figure, r.shown, r.what);
    }
}

// From each interface the object hands out, IUnknown is the object itself;
// and its window is the control's. The count of interfaces, and 1 for the window.
int comIdentity(const Reader& r, HWND window)
{
    IUnknown* self = nullptr;
    r.a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&self));
    int handedOut = 0;
    for (const IID& id : {IID_IAccessible, IID_IDispatch, IID_IOleWindow, IID_IEnumVARIANT}) {
        IUnknown *i = nullptr, *back = nullptr;
        if (FAILED(r.a->QueryInterface(id, reinterpret_cast<void**>(&i))))
            continue;
        i->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&back));
        handedOut += back == self ? 10 : 1000;
        back->Release(), i->Release();
    }
    self->Release();
    HWND own = nullptr;
    WindowFromAccessibleObject(r.a, &own);
    return handedOut + (own == window);
}

// What readers get at start-up (names with meanings and units, the bar's
// place and every figure, a tooltip as description), where navigation
// leads past what has vanished, what one step announces and renames, COM's
// rules, and that an object a reader keeps after the window has gone says so.
void readers()
{
    std::wstring announced;
    Window win([&](HWND, const std::wstring& sentence) { announced = sentence; });
    const auto read = [&](const char* name) { return Reader(win.at(name)).name(); };
    check::that(
        read("lblFlen") + "; " + read("label8(1)") + "; " + read("label7(5)") + "; " +
            read("Label5"),
        "Focal length 3.13 inches; at 1 inch, 0.08 deep; bar at 5 inches;    Depth   in ins.",
        "labels as read");
    const Reader diam(win.at("vsbDiam"));
    check::that(diam.name() + " " + diam.value() + "; " + diam.description().substr(0, 36) + "; " +
                    Reader(win.at("Label10")).description(),
                "Diameter in inches 10; Diameter 10 inches, 254 millimetres.; Depth in Millimeters",
                "a bar as read, every figure its description; a tip");
    // label8(6) to (20) are empty and label7(0) has no bar at start-up.
    const Reader window(win.w.hwnd());
    check::that(Reader(win.at("label8(5)")).towards(NAVDIR_NEXT) + "; " +
                    Reader(win.at("label7(1)")).towards(NAVDIR_PREVIOUS) + "; " +
                    window.towards(NAVDIR_FIRSTCHILD) + "; " + window.towards(NAVDIR_LASTCHILD),
                "bar at 1 inch; at 5 inches, 2.02 deep; Frequency mhz.; bar at 5 inches",
                "next, previous, first and last");
    SetFocus(win.at("vsbDiam"));
    win.key(win.at("vsbDiam"), VK_DOWN);
    check::that(announced ==
                    L"Diameter 11 inches, 279.4 millimetres. Focal length 3.78 inches, 96.012 "
                    L"millimetres. F/D ratio 0.34. Gain 6 times. Rim 1.67 deep at 5 inches.",
                true, "one step announced");
    check::that(diam.value() + "; " + read("label8(5)"), "11; at 5 inches, 1.67 deep",
                "read again after the step");
    check::that(comIdentity(diam, win.at("vsbDiam")), 31,
                "three interfaces, each with the one IUnknown; the window");
    const Reader kept(win.at("lblFlen"));
    PostMessageW(win.w.hwnd(), WM_CLOSE, 0, 0);
    win.ended();
    check::that(kept.name(), "!" + to_string(RPC_E_DISCONNECTED),
                "a kept object once the window is gone");
}

// Tab round to the start; then Enter and Escape, which press nothing, on
// controls given the focus directly; then Alt+X.
void keys()
{
    Window win;
    const auto stop = [&](std::size_t i) {
        return win.w.control(planner::row(planner::tabOrder[i % planner::tabOrder.size()]));
    };
    check::that(GetFocus() == stop(0), true, "opens with the focus first in the Tab order");
    for (std::size_t i = 1; i <= planner::tabOrder.size(); ++i) {
        win.key(GetFocus(), VK_TAB);
        check::that(GetFocus() == stop(i), true, "Tab to stop " + to_string(i));
    }
    for (const char* focus : {"vsbFreq", "cmdExit", "vsbDepth"}) {
        SetFocus(win.at(focus));
        win.key(GetFocus(), VK_RETURN), win.key(GetFocus(), VK_ESCAPE);
    }
    check::that(text(win.at("lblFreq")) + " " + text(win.at("lblDiam")) + " " +
                    text(win.at("lblDepth")),
                "1200 10 2", "Enter and Escape change nothing");
    PostMessageW(GetFocus(), WM_SYSKEYDOWN, 'X', 0x20000001);
    check::that(win.ended(), true, "Alt+X ends");
}

} // namespace

int main()
{
    looks();
    workedStates();
    steps();
    readers();
    keys();
    return check::summary();
}
