// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The presenter every view talks to. It owns the control model and the
// handlers, takes what the user did (the window loaded, a bar now stands
// at a value, Exit pressed, the window closed) and returns what the view
// must apply. A view builds its controls from the design table, forwards
// the user's actions here and applies each Update; which event a bar
// raises, what changed, what screen readers are told and what a failure
// leaves are decided here, once, for every view.
//
// Example, from start-up: moved(Ctl::vsbDiam, 11) returns the rows of
// lblDiam, lblGain, lblFdr, lblFlen, Label9, Label11 and of the profile
// members that differ (not lblDepth: it shows "2" still), the announcement
// "Diameter 11 inches, 279.4 millimetres. Focal length 3.78 inches, 96.012
// millimetres. F/D ratio 0.34. Gain 6 times. Rim 1.67 deep at 5 inches.",
// no error, and no close. A view asks the session alone, never its model.
#pragma once

#include <array>
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "builder/dish_template.h"
#include "builder/forms.h"
#include "window/control_model.h"
#include "window/planner_handlers.h"

namespace planner {

// What a view applies after an action.
struct Update {
    // The labels whose caption or height changed, by design row in row
    // order: what a view redraws. Only labels: the handlers write captions
    // and heights, which only labels have.
    std::vector<int> rows;
    std::string announcement; // for screen readers; empty when no figure changed
    std::string error;        // one line when the handler failed, else empty
    bool close = false;       // the window goes, and with it the planner
    // The window's figures changed: the builder's forms are behind them
    // until a view asks them to follow (followWindow), once it has shown
    // this; so that a bar's step costs the window alone.
    bool formsBehind = false;
};

// The change event of a scroll bar; none for any other control.
// Example: changeEventOf(Ctl::vsbDepth) is Event::DepthChange;
// changeEventOf(Ctl::cmdExit) is none.
std::optional<Event> changeEventOf(Ctl control);

// The line for the exception that stopped a handler: a run-time error
// with its number, any other exception with its own text.
// Examples: "vsbDepth_Change: Run-time error 11: Division by zero";
// "Form_Load: std::bad_alloc"; for an exception that is not a
// std::exception, "cmdExit_Click: an exception of unknown type".
std::string failureLine(std::string_view handler, std::exception_ptr error);

class Session {
public:
    // Every control at its design-time state; no handler has run.
    Session();
    Session(const Session&) = delete; // the handlers hold its model
    Session& operator=(const Session&) = delete;

    // The event boundary: each action runs its handler, and nothing the
    // handler throws leaves it. A handler that fails stops there: the rows
    // its earlier steps changed are in the update with the error line, the
    // window stays, and the next action computes afresh from the captions.

    // The window loaded, before it is first shown: Form_Load. No announcement.
    Update load() noexcept;
    // bar now stands at value (within its range: a bar never leaves it).
    // Any control that is not a bar raises nothing: an empty update.
    Update moved(Ctl bar, std::int16_t value) noexcept;
    // Exit pressed (a click, the button's keys or Alt+X): cmdExit_Click.
    Update exitPressed() noexcept;
    // The window closed by its frame: no handler runs, the planner ends.
    Update closed() noexcept;
    // Once the planner has ended, every action gives an empty update.
    bool ended() const { return ended_; }

    // What a view shows and tells of a design row, as it stands now.
    const std::string& caption(int row) const { return model_.rowCaption(row); }
    float heightTwips(int row) const { return model_.rowHeight(row); }
    // A label's spoken form ("Focal length 3.13 inches"), a bar's name.
    std::string spoken(int row) const;
    // A vanished bar or an empty figure, which readers pass by.
    bool hidden(int row) const;
    // Where a bar stands. Example: value(Ctl::vsbDiam) is 10 at start-up.
    std::int16_t value(Ctl bar) const { return model_.value(bar); }
    // Every figure now shown, as one sentence.
    std::string everyFigure() const;
    // What readers get as a control's description: a bar's is every
    // figure now shown (so that Where Am I repeats them), a control with a
    // tooltip has the tooltip, any other none (""). Example, at start-up:
    // vsbDiam's begins "Diameter 10 inches, 254 millimetres."; Label10's
    // is "Depth in Millimeters".
    std::string description(int row) const;
    // The builder's template of the dish the window shows now.
    DishTemplate dishTemplate() const;

    // The builder's forms (builder/forms.h), which follow the window: what
    // each shows, and the actions on them, each answering with the update
    // of every form it changed (each first brings the forms up to the
    // window, and says what that changed too). They are made when first
    // asked for, from the window as the session began, so that a window
    // that shows no form runs none of their code.
    const Forms& forms() const { return built(); }
    // The forms brought up to the window's figures; nothing where they are.
    FormChanges followWindow();
    FormChanges typed(int f, const form::Cell& c, std::string text);
    FormChanges chose(int f, int item, int option);
    std::optional<FormChanges> pasted(int f, const form::Cell& c, std::string_view text);
    FormChanges pressed(int f, int item,
                        std::optional<std::string_view> clipboard = std::string_view{});
    // The bars a check's setting moves, and where, in the order a view
    // moves them, each as a user's move of that bar (moved). Example:
    // {24, 30} is vsbDiam to 24, then vsbDepth to 30.
    static std::array<std::pair<Ctl, std::int16_t>, 2> barsFor(const BarSetting& setting);

private:
    Update run(Event e) noexcept;
    WindowFacts windowFacts() const;
    Forms& built() const;

    ControlModel model_;
    PlannerHandlers handlers_;
    WindowFacts began_;                    // what the forms are first made from
    mutable std::unique_ptr<Forms> forms_; // none until asked for
    bool formsBehind_ = false;
    bool unloaded_ = false; // cmdExit_Click has unloaded the window
    bool ended_ = false;
};

} // namespace planner
