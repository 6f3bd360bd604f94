// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A desktop scroll bar on the page: an arrow at each end, the track and
// the thumb, for mouse, touch and pen alike (pointer events, captured).
// A press on an arrow moves by the small change, in the track by the large
// change towards the press; holding either repeats as desktop bars do
// (after 400 ms, then every 50 ms; in the track until the thumb reaches
// the pointer). The thumb follows a drag, and nothing changes until it is
// let go, when the value comes from where it stands. On the focused bar
// the arrow keys act as arrow presses, Page Up and Page Down as presses in
// the track, Home and End go to the ends. Screen readers get a vertical
// slider with the bar's name, range and value (windowMarkup gives them).
// Its parts' sizes are the page's: the bar measures itself, in whichever
// arrangement the page shows it.
#pragma once

#include <functional>

#include "window/design.h"
#include "window/scrolling.h"
#include "window/web/bar_geometry.h"
#include "window/web/dom.h"

namespace planner::web {

class ScrollBar {
public:
    // The bar of design row `row` in `root`, an element as windowMarkup
    // gives it (its arrows, track and thumb, the thumb last), standing at
    // the design's value; moved is called with each new value.
    ScrollBar(int row, Object root, std::function<void(int value)> moved);
    ~ScrollBar();
    ScrollBar(const ScrollBar&) = delete;
    ScrollBar& operator=(const ScrollBar&) = delete;

    // The page has been laid out anew (another arrangement, say): the
    // thumb goes where the value puts it in the bar as it now is.
    void relayout();
    // Moves the bar to a value as a released thumb does. Example:
    // setValue(24) on vsbDiam stands it at 24 and reports the move.
    void setValue(int value) { move(ScrollMove::Thumb, value); }
    // The bar, for the page to give it the focus.
    const Object& element() const { return root_; }

private:
    enum class Hold : unsigned char { None, Arrow, Track, Thumb };

    void handle(const Object& event);
    void press(const Object& event);
    void drag(const Object& event);
    void release();
    void key(const Object& event);
    void move(ScrollMove how, int thumb = 0);
    void repeat(int delay);
    void repeated();
    // The pointer's height in the bar, in CSS pixels from its top.
    double pointerY(const Object& event) const;
    void placeThumb(double top);

    const ScrollSettings& settings_;
    BarGeometry geometry_{};
    int value_;
    Object root_, thumb_;
    std::function<void(int)> moved_;
    Hold hold_ = Hold::None;
    ScrollMove holding_ = ScrollMove::LineUp; // what a held arrow or track repeats
    double grabbed_ = 0, pointer_ = 0;        // where the thumb was grabbed; the pointer now
    long timer_ = 0;
};

} // namespace planner::web
