// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/scroll_bar.h"

#include <emscripten/eventloop.h>

#include <string>

#include "window/web/dom.h"

namespace planner::web {

namespace {

constexpr int firstRepeat = 400, nextRepeats = 50; // milliseconds

} // namespace

ScrollBar::ScrollBar(int row, Object root, std::function<void(int)> moved)
    : settings_(designTable()[row].scroll), value_(settings_.value), root_(std::move(root)),
      thumb_(root_["lastChild"]), moved_(std::move(moved))
{
    for (const char* type : {"pointerdown", "pointermove", "pointerup", "pointercancel",
                             "lostpointercapture", "keydown"})
        listen(root_, type, [this](const Object& event) { handle(event); });
    relayout();
}

void ScrollBar::relayout()
{
    geometry_ = BarGeometry::of(settings_, int(root_.number("offsetHeight")),
                                int(root_.number("offsetWidth")));
    if (hold_ != Hold::Thumb)
        placeThumb(geometry_.thumbTop(settings_, value_));
    setPixels(thumb_, "height", geometry_.thumb);
}

ScrollBar::~ScrollBar()
{
    if (timer_)
        emscripten_clear_timeout(timer_);
}

void ScrollBar::handle(const Object& event)
{
    const std::string type = event.text("type");
    if (type == "keydown")
        key(event);
    else if (type == "pointerdown")
        press(event);
    else if ((type == "pointermove" || type == "pointerup") && hold_ == Hold::Thumb)
        drag(event); // the last move may come only with the finger's lifting
    else if (type == "pointermove" && hold_ == Hold::Track)
        pointer_ = pointerY(event);
    if (type != "pointermove" && type != "pointerdown" && type != "keydown" && hold_ != Hold::None)
        release(); // pointerup, pointercancel, lostpointercapture
}

void ScrollBar::drag(const Object& event)
{
    placeThumb(std::clamp(pointerY(event) - grabbed_, double(geometry_.arrow),
                          double(geometry_.arrow + geometry_.travel())));
}

void ScrollBar::press(const Object& event)
{
    if (event.number("button") != 0 || hold_ != Hold::None)
        return;
    event.call("preventDefault"); // no text selection, no page scrolling
    root_.call("focus");
    root_.call("setPointerCapture", event.number("pointerId"));
    // Which part is pressed, by where: a browser may move a finger's press
    // to a neighbouring element.
    pointer_ = pointerY(event);
    const int thumbTop = geometry_.thumbTop(settings_, value_);
    if (pointer_ >= thumbTop && pointer_ < thumbTop + geometry_.thumb) {
        hold_ = Hold::Thumb;
        grabbed_ = pointer_ - thumbTop;
        return;
    }
    if (pointer_ < geometry_.arrow || pointer_ >= geometry_.length - geometry_.arrow) {
        hold_ = Hold::Arrow;
        holding_ = pointer_ < geometry_.arrow ? ScrollMove::LineUp : ScrollMove::LineDown;
    } else {
        hold_ = Hold::Track;
        holding_ = pointer_ < thumbTop ? ScrollMove::PageUp : ScrollMove::PageDown;
    }
    move(holding_);
    repeat(firstRepeat);
}

void ScrollBar::release()
{
    if (timer_)
        emscripten_clear_timeout(timer_);
    timer_ = 0;
    const Hold was = hold_;
    hold_ = Hold::None;
    // A thumb let go where it was taken changes nothing: its place, whole
    // pixels, may stand for several values.
    const double top = thumb_.number("offsetTop");
    if (was == Hold::Thumb && top != geometry_.thumbTop(settings_, value_)) {
        move(ScrollMove::Thumb, geometry_.valueAt(settings_, top));
        placeThumb(geometry_.thumbTop(settings_, value_)); // where the value puts it
    }
}

void ScrollBar::key(const Object& event)
{
    const std::string k = event.text("key");
    ScrollMove how;
    if (k == "ArrowUp" || k == "ArrowLeft")
        how = ScrollMove::LineUp;
    else if (k == "ArrowDown" || k == "ArrowRight")
        how = ScrollMove::LineDown;
    else if (k == "PageUp")
        how = ScrollMove::PageUp;
    else if (k == "PageDown")
        how = ScrollMove::PageDown;
    else if (k == "Home")
        how = ScrollMove::Top;
    else if (k == "End")
        how = ScrollMove::Bottom;
    else
        return; // Tab, Enter, Escape and the rest are the page's
    if (event.flag("altKey") || event.flag("ctrlKey") || event.flag("metaKey"))
        return;
    event.call("preventDefault"); // the page does not scroll
    move(how);
}

void ScrollBar::move(ScrollMove how, int thumb)
{
    const int next = scrolled(settings_, value_, how, thumb);
    if (next == value_)
        return;
    value_ = next;
    root_.call("setAttribute", "aria-valuenow", std::to_string(value_));
    if (hold_ != Hold::Thumb)
        placeThumb(geometry_.thumbTop(settings_, value_));
    moved_(value_);
}

// A timer is an entry from the browser too.
void ScrollBar::repeat(int delay)
{
    timer_ = long(emscripten_set_timeout(
        [](void* self) { entered([self] { static_cast<ScrollBar*>(self)->repeated(); }); }, delay,
        this));
}

void ScrollBar::repeated()
{
    timer_ = 0;
    if (hold_ == Hold::Track) {
        // Until the thumb reaches the pointer, as on the desktop.
        const int top = geometry_.thumbTop(settings_, value_);
        const bool above = pointer_ < top, below = pointer_ >= top + geometry_.thumb;
        if (!(holding_ == ScrollMove::PageUp ? above : below))
            return repeat(nextRepeats);
    }
    if (hold_ == Hold::Arrow || hold_ == Hold::Track) {
        move(holding_);
        repeat(nextRepeats);
    }
}

double ScrollBar::pointerY(const Object& event) const
{
    return event.number("clientY") - root_.callObject("getBoundingClientRect").number("top");
}

void ScrollBar::placeThumb(double top)
{
    setPixels(thumb_, "top", top);
}

} // namespace planner::web
