// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/scroll_bar.h"

#include <emscripten/eventloop.h>

#include <string>

#include "window/metrics.h"
#include "window/web/dom.h"

namespace planner::web {

using emscripten::val;

namespace {

constexpr int firstRepeat = 400, nextRepeats = 50; // milliseconds

} // namespace

ScrollBar::ScrollBar(int row, val root, std::function<void(int)> moved)
    : settings_(designTable()[row].scroll),
      geometry_(BarGeometry::of(settings_, toPixels(designTable()[row].twips.height, logicalDpi),
                                toPixels(designTable()[row].twips.width, logicalDpi))),
      value_(settings_.value), root_(std::move(root)), thumb_(root_["lastChild"]),
      moved_(std::move(moved))
{
    for (const char* type : {"pointerdown", "pointermove", "pointerup", "pointercancel",
                             "lostpointercapture", "keydown"})
        listen(root_, type, "plannerBarEvent");
}

ScrollBar::~ScrollBar()
{
    if (timer_)
        emscripten_clear_timeout(timer_);
}

void ScrollBar::handle(const val& event)
{
    const std::string type = event["type"].as<std::string>();
    if (type == "keydown")
        key(event);
    else if (type == "pointerdown")
        press(event);
    else if (type == "pointermove" && hold_ == Hold::Thumb)
        placeThumb(std::clamp(pointerY(event) - grabbed_, double(geometry_.arrow),
                              double(geometry_.arrow + geometry_.travel())));
    else if (type == "pointermove" && hold_ == Hold::Track)
        pointer_ = pointerY(event);
    else if (type != "pointermove" && hold_ != Hold::None)
        release(); // pointerup, pointercancel, lostpointercapture
}

void ScrollBar::press(const val& event)
{
    if (event["button"].as<int>() != 0 || hold_ != Hold::None)
        return;
    event.call<void>("preventDefault"); // no text selection, no page scrolling
    root_.call<void>("focus");
    root_.call<void>("setPointerCapture", event["pointerId"]);
    const std::string part = event["target"]["dataset"]["part"].as<std::string>();
    pointer_ = pointerY(event);
    const int thumbTop = geometry_.thumbTop(settings_, value_);
    if (part == "thumb") {
        hold_ = Hold::Thumb;
        grabbed_ = pointer_ - thumbTop;
        return;
    }
    if (part == "up" || part == "down") {
        hold_ = Hold::Arrow;
        holding_ = part == "up" ? ScrollMove::LineUp : ScrollMove::LineDown;
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
    if (was == Hold::Thumb) {
        const double top = thumb_["offsetTop"].as<double>();
        move(ScrollMove::Thumb, geometry_.valueAt(settings_, top));
        placeThumb(geometry_.thumbTop(settings_, value_)); // where the value puts it
    }
}

void ScrollBar::key(const val& event)
{
    const std::string k = event["key"].as<std::string>();
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
    if (event["altKey"].as<bool>() || event["ctrlKey"].as<bool>() || event["metaKey"].as<bool>())
        return;
    event.call<void>("preventDefault"); // the page does not scroll
    move(how);
}

void ScrollBar::move(ScrollMove how, int thumb)
{
    const int next = scrolled(settings_, value_, how, thumb);
    if (next == value_)
        return;
    value_ = next;
    root_.call<void>("setAttribute", std::string("aria-valuenow"), std::to_string(value_));
    if (hold_ != Hold::Thumb)
        placeThumb(geometry_.thumbTop(settings_, value_));
    moved_(value_);
}

void ScrollBar::repeat(int delay)
{
    timer_ = long(emscripten_set_timeout(&ScrollBar::repeated, delay, this));
}

void ScrollBar::repeated(void* self)
{
    auto* bar = static_cast<ScrollBar*>(self);
    bar->timer_ = 0;
    if (bar->hold_ == Hold::Track) {
        // Until the thumb reaches the pointer, as on the desktop.
        const int top = bar->geometry_.thumbTop(bar->settings_, bar->value_);
        const bool above = bar->pointer_ < top, below = bar->pointer_ >= top + bar->geometry_.thumb;
        if (!(bar->holding_ == ScrollMove::PageUp ? above : below))
            return bar->repeat(nextRepeats);
    }
    if (bar->hold_ == Hold::Arrow || bar->hold_ == Hold::Track) {
        bar->move(bar->holding_);
        bar->repeat(nextRepeats);
    }
}

double ScrollBar::pointerY(const val& event) const
{
    const val box = root_.call<val>("getBoundingClientRect");
    const double shown = box["height"].as<double>(); // smaller when the page is scaled to fit
    const double y = event["clientY"].as<double>() - box["top"].as<double>();
    return shown > 0 ? y * geometry_.length / shown : y;
}

void ScrollBar::placeThumb(double top)
{
    thumb_["style"].set("top", std::to_string(top) + "px");
}

} // namespace planner::web
