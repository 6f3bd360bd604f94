// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Any builder's form on the Windows API (builder/form.h): a window of its
// own, owned by the planner's, modeless, its items top to bottom in dialog
// units of its font at its monitor's dpi, laid out again when Windows moves
// it to a monitor of another scaling, the form scrolled as a whole where
// the window is smaller. Each field's label stands just before it, so that
// readers name it; a problem shows by its field with the warning icon, and
// describes the field; Tab follows the form's order, rows added included.
// Every action goes to the session and what it answers is applied; the
// texts the core writes into fields raise no check of their own. Pairs
// pasted into a row's field (Ctrl+V, Shift+Insert, the context menu's
// Paste) fill the rows. Readers are told the chief figures once typing
// pauses. Closed, the window keeps what was typed for the next time.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "window/session.h"
#include "window/win32/screen_readers_win32.h"

namespace planner::win32 {

class FormWindow {
public:
    // Form f of session's builder's forms; host applies the changes of
    // every form an action made (this one's through apply); announce tells
    // readers.
    FormWindow(Session& session, int f, std::function<void(const FormChanges&)> host,
               Announce announce);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Shows the window, made the first time; false if Windows refused it.
    bool show(HWND planner);
    HWND hwnd() const { return hwnd_; }
    // Redraws what u names, and does what it asks.
    void apply(const form::Update& u);

    // What a test reaches as a user would: a field's or button's control, a
    // choice's button for an option, an item's first control; what shows.
    HWND control(const form::Cell& c) const;
    HWND option(int item, int option) const;
    HWND box(int item) const;
    std::string problemShown(const form::Cell& c) const;
    std::string resultsShown() const;
    UINT dpi() const { return dpi_; }
    // The picture of an item, for its window to paint.
    const Picture& picture(int item) const { return presenter().item(item).picture; }

    struct Built; // each item's controls

private:
    static constexpr DWORD frameStyle = WS_OVERLAPPEDWINDOW | WS_VSCROLL;

    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK fieldProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    HWND make(const wchar_t* cls, std::string_view text, DWORD style);
    void build();
    void buildItem(int i);
    void addRows(int item);
    HWND field(const form::Cell& c, HWND after);
    void onCommand(HWND from, int code);
    void redraw(int item);
    void showProblems(int item);
    std::string description(HWND control) const;
    void act(const FormChanges& changes) { host_(changes); }
    void setFonts(UINT dpi);
    void dpiChanged(UINT dpi, const RECT& suggested);
    void fitFrame();
    void layout();
    struct Placer;
    void hide(const Built& b);
    int placeItem(int i, int y);
    int placeRows(const Placer& p, int y);
    int placeChoice(const Placer& p, int y);
    int placeButton(const Placer& p, int i, int y);
    int placeResults(const Placer& p, int y);
    int dluX(int n) const { return MulDiv(n, base_.cx, 4); }
    int dluY(int n) const { return MulDiv(n, base_.cy, 8); }
    int lineHeight() const { return dluY(14); }
    void scrolled(int code);
    void scrollTo(int y);
    void scrollIntoView(HWND control);
    const form::Presenter& presenter() const { return session_.forms()[form_]; }

    Session& session_;
    int form_;
    std::function<void(const FormChanges&)> host_;
    Announce announce_;
    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr, bold_ = nullptr;
    SIZE base_{}; // the font's dialog base units, in pixels
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    int scroll_ = 0, contentHeight_ = 0; // pixels
    std::vector<Built> built_;
    std::map<HWND, form::Cell> cellOf_; // each field's, each button's and list's item
    bool applying_ = false;             // texts the core writes: no EN_CHANGE of the user's
    // What readers get of the fields (their problems) and the picture.
    std::unique_ptr<ScreenReaders> readers_;
};

} // namespace planner::win32
