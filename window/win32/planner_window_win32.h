// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The planner window on the plain Win32 API: controls built from the design
// table at the monitor's dpi, scroll bar and button events forwarded to the
// session, and what it returns applied to the controls. Beyond the
// controls, the design's commands: in a context menu on the window (a
// right click on it or on a figure; Shift+F10 or the Menu key anywhere in
// it), in the window's system menu (Alt+Space), each on Ctrl and its key.
// A scroll bar keeps its own menu for the mouse.
// Tests drive it in process through the same messages a user's input makes.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "window/session.h"
#include "window/win32/screen_readers_win32.h"
#include "window/win32/template_printer_win32.h"

namespace planner::win32 {

class FormWindow;
class Fonts;

class PlannerWindow {
public:
    // announce takes the sentence for screen readers after each change;
    // ask asks for a printer when the template is to be printed.
    explicit PlannerWindow(Announce announce = notifyUiAutomation,
                           AskPrinter ask = askWithPrintDlgEx);
    // Destroying the object closes the window without ending the message loop.
    ~PlannerWindow();
    PlannerWindow(const PlannerWindow&) = delete;
    PlannerWindow& operator=(const PlannerWindow&) = delete;

    // Builds the window and every control at the dpi of the monitor it opens
    // on, raises Form_Load, then shows it with the focus on vsbFreq. False if
    // Windows refused a window.
    bool create(HINSTANCE instance, int show = SW_SHOWNORMAL);

    // The top-level window; null before create() and once it is closed.
    HWND hwnd() const { return hwnd_; }
    // A control by its design row; null while there is no window.
    HWND control(int row) const { return hwnd_ ? controls_.at(row) : nullptr; }
    // The window of builder's form f, once opened, else null; what the
    // window shows, for tests.
    FormWindow* formWindow(int f) const { return forms_.at(f).get(); }
    const Session& session() const { return session_; }

    // Handles every message waiting, as the message loop would; false once
    // the loop would end (WM_QUIT, posted when the user closed the window).
    bool handleWaiting();
    // The message loop, until the window is closed; the program's exit code.
    int run();

private:
    static constexpr DWORD frameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    static constexpr int iconId = 1;                  // the program file's icon resource
    static constexpr UINT followMessage = WM_APP + 1; // the forms follow the window's figures

    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    void dispatch(MSG& m);
    int rowOf(LPARAM control) const;
    bool build();
    void setIcons();
    void resizeFrame(int left, int top);
    RECT rectOf(int row) const;
    void place(int row);
    HBRUSH backColour(HDC dc, int row) const;
    void onActivate(bool active);
    void onScroll(HWND bar, int code, int thumb);
    void onDpiChanged(UINT dpi, const RECT& suggested);
    void onDestroy();
    void apply(const Update& u);
    void applyForms(const FormChanges& changes);
    void addCommands();
    bool run(UINT id);
    void showMenu(POINT at);
    bool menuKey(const MSG& m);

    Session session_;
    ScreenReaders readers_{session_, [this](HWND h) { return rowOf(LPARAM(h)); }};
    Announce announce_;
    AskPrinter ask_;
    HACCEL shortcuts_ = nullptr; // the commands' Ctrl keys
    HMENU menu_ = nullptr;       // the context menu
    std::unique_ptr<Fonts> fonts_;
    std::vector<std::unique_ptr<FormWindow>> forms_; // each made when first asked for
    bool following_ = false;
    std::array<HWND, controlCount> controls_{}; // by design row
    HWND hwnd_ = nullptr;
    std::array<HICON, 2> icons_{}; // by ICON_SMALL (0) and ICON_BIG (1)
    HWND focus_ = nullptr;         // the control to give the focus back to on activation
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    SIZE frame_{}; // the window's outer size, fixed
    bool quitOnClose_ = true;
};

} // namespace planner::win32
