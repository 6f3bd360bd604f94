// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Win32 window in process, driven by the messages a user's clicks and
// keys produce: layout against the design, the shared worked states, scroll
// steps and range ends, focus order, Enter and Escape, the ways out.
// Expected figures are hand-worked or from tests/worked_states.h.
#include <functional>
#include <string>

#include "window_driver.h"
#include "worked_states.h"

using namespace driver;

namespace {

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

} // namespace

int main()
{
    layout();
    workedStates();
    steps();
    focusAndKeys();
    exits();
    return check::report();
}
