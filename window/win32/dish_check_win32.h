// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The dish check on the Windows API: a window of its own, owned by the
// planner's, modeless, with the form the core describes
// (builder/check_form): round or offset, the unit, the fields, and for a
// round dish rows of a position and a depth that grow as the user adds
// rows or pastes pairs (Ctrl+V in a row, or Paste rows). Each field's
// label stands just before it, so that screen readers name it, and a
// field with a problem is described by its sentence. The results
// follow every keystroke and the planner's frequency; the problems show in
// sentences under the fields, and nothing typed is touched. Readers are
// told the chief results once typing pauses for a second. The form scrolls
// as a whole where the window is smaller than it.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "window/session.h"
#include "window/win32/screen_readers_win32.h"

namespace planner::win32 {

class DishCheckWindow {
public:
    // The check of session's window, owned by planner; setPlanner moves its
    // bars to a setting; announce tells readers.
    DishCheckWindow(const Session& session, std::function<void(const BarSetting&)> setPlanner,
                    Announce announce);
    ~DishCheckWindow();
    DishCheckWindow(const DishCheckWindow&) = delete;
    DishCheckWindow& operator=(const DishCheckWindow&) = delete;

    // Shows the window, made the first time; false if Windows refused it.
    bool show(HWND planner);
    HWND hwnd() const { return hwnd_; }
    // The planner's frequency may have changed: the results again, unannounced.
    void refresh();

    // What a test reaches as a user would: a field (a row's too), a shape's
    // button, the unit's list, the buttons; the results and problems shown.
    HWND field(Field f, int row = -1) const;
    HWND shape(DishShape s) const { return s == DishShape::Round ? round_ : offset_; }
    HWND unit() const { return unit_; }
    HWND setButton() const { return set_; }
    std::string result(std::string_view label) const;
    std::string problems() const;

private:
    // The form in pixels at 96 dpi: its margin, width, a line's height, the gap.
    static constexpr int margin = 12, width = 440, line = 23, gap = 6;

    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK rowProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    HWND make(const wchar_t* cls, std::string_view text, DWORD style);
    void build();
    void addRow();
    void pasteAt(int row);
    void onCommand(HWND from, int code);
    DishInput input() const;
    void update(bool announce);
    void describeFields();
    void layout();
    void scrollTo(int y);

    const Session& session_;
    std::function<void(const BarSetting&)> setPlanner_;
    Announce announce_;
    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr, bold_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    int scroll_ = 0, contentHeight_ = 0; // pixels
    HWND shapeBox_{}, round_{}, offset_{}, unitLabel_{}, unit_{}, howTo_{};
    HWND diameterLabel_{}, diameter_{}, add_{}, paste_{};
    std::vector<std::array<HWND, 4>> rows_; // Position n, its field, Depth n, its field
    std::array<std::pair<HWND, HWND>, 3> offsetFields_{}; // width, height, depth
    HWND problems_{}, heading_{}, notes_{}, set_{};
    std::vector<std::pair<HWND, HWND>> results_; // label, value
    DishCheck check_;
    // Readers' descriptions of the fields (Dynamic Annotation); none where
    // Windows has no such service.
    IAccPropServices* props_ = nullptr;
};

} // namespace planner::win32
