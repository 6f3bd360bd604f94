// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's event handlers and its window-level values. Each handler
// runs a fixed sequence of steps over the control model; figures pass from
// step to step through the captions, so every later step computes with the
// figure as shown (the focal length rounded to two places, not unrounded).
// That chaining is the planner's arithmetic, not an accident: on a 10-inch
// dish 4.3 inches deep the focal length shows 1.45 and the F/D ratio
// 1.45 / 10 = 0.145 rounds to 0.14; from the unrounded focal length it
// would be 0.15. The handler names (Form_Load, vsbDiam_Change ...) are the
// window's event names, kept so each handler reads as the event it serves.
#pragma once

#include <functional>
#include <string_view>

#include "runtime/value.h"
#include "window/control_model.h"

namespace planner {

// The events that have a handler, one each.
enum class Event : std::uint8_t { Load, FreqChange, DiamChange, DepthChange, ExitClick };
inline constexpr int eventCount = static_cast<int>(Event::ExitClick) + 1;

// The handler's name, as a failure line gives it. Example:
// handlerName(Event::DepthChange) is "vsbDepth_Change".
std::string_view handlerName(Event e);

class PlannerHandlers {
public:
    // unload is what cmdExit_Click calls to close the window.
    PlannerHandlers(ControlModel& model, std::function<void()> unload);

    // Every figure and the profile; lblFreq keeps its design-time "1200".
    void Form_Load();
    // lblFreq, lblGain and the profile; nothing else.
    void vsbFreq_Change();
    // Every figure but lblFreq.
    void vsbDiam_Change();
    // Depth figures, focal length, F/D and the profile; not the gain.
    void vsbDepth_Change();
    void cmdExit_Click();

    // Runs the event's handler. A run-time error stops it where it arises
    // and leaves it, the captions its earlier steps wrote staying as they
    // are; the event boundary (Session) catches it.
    void raise(Event e);

    // Window-level values; empty until a handler sets them.
    rt::Value places, freq, diam, depth, flen, fdr;

private:
    void frequencyText();
    void diameterText();
    void diameterMillimetres();
    void gainStep();
    void depthText();
    void depthMillimetres();
    void focalLength();
    void focalRatio();
    enum class Reread : std::uint8_t { Diameter, Ratio, Both };
    void profile(Reread reread);

    ControlModel& m_;
    std::function<void()> unload_;
};

} // namespace planner
