// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/session.h"

#include "runtime/runtime_error.h"
#include "window/spoken.h"

namespace planner {

std::optional<Event> changeEventOf(Ctl control)
{
    switch (control) {
    case Ctl::vsbFreq:
        return Event::FreqChange;
    case Ctl::vsbDiam:
        return Event::DiamChange;
    case Ctl::vsbDepth:
        return Event::DepthChange;
    default:
        return std::nullopt;
    }
}

std::string failureLine(std::string_view handler, std::exception_ptr error)
{
    std::string line(handler);
    line += ": ";
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) { // rt::RuntimeError's text carries its number
        line += e.what();
    } catch (...) {
        line += "an exception of unknown type";
    }
    return line;
}

Session::Session() : handlers_(model_, [this] { unloaded_ = true; }), began_(windowFacts()) {}

Forms& Session::built() const
{
    if (!forms_)
        forms_ = std::make_unique<Forms>(began_);
    return *forms_;
}

Update Session::run(Event e) noexcept
{
    Update u;
    if (ended_)
        return u;
    try {
        try {
            handlers_.raise(e);
        } catch (...) {
            u.error = failureLine(handlerName(e), std::current_exception());
        }
        u.rows = model_.takeChangedRows();
        if (e != Event::Load)
            u.announcement = changeAnnouncement(u.rows, model_);
        u.formsBehind = formsBehind_ = formsBehind_ || !u.rows.empty();
    } catch (...) {
        // Out of memory even for the report: the rows not taken stay
        // changed, and the next action reports them.
    }
    u.close = ended_ = unloaded_;
    return u;
}

Update Session::load() noexcept
{
    return run(Event::Load);
}

Update Session::moved(Ctl bar, std::int16_t value) noexcept
{
    const std::optional<Event> e = changeEventOf(bar);
    if (!e)
        return {};
    model_.setValue(bar, value);
    return run(*e);
}

Update Session::exitPressed() noexcept
{
    return run(Event::ExitClick);
}

Update Session::closed() noexcept
{
    Update u;
    u.close = !ended_;
    ended_ = true;
    return u;
}

std::string Session::spoken(int row) const
{
    return spokenForm(designTable().at(row), caption(row));
}

bool Session::hidden(int row) const
{
    return hiddenFromReaders(designTable().at(row), caption(row), heightTwips(row));
}

std::string Session::everyFigure() const
{
    return allFigures(model_);
}

std::string Session::description(int row) const
{
    const ControlDesign& d = designTable().at(row);
    return d.kind == Kind::ScrollBar ? everyFigure() : std::string(d.tooltip);
}

DishTemplate Session::dishTemplate() const
{
    const auto c = [this](Ctl control) { return model_.caption(control); };
    ShownDish shown{
        c(Ctl::lblFreq), c(Ctl::lblDiam), c(Ctl::Label9), c(Ctl::lblDepth), c(Ctl::Label10),
        c(Ctl::lblFlen), c(Ctl::Label11), c(Ctl::lblFdr), c(Ctl::lblGain),  {}};
    for (int i = 0; i < arrayMembers; ++i)
        shown.profile.push_back(model_.caption(LabelArray::label8, i));
    return planner::dishTemplate(shown);
}

WindowFacts Session::windowFacts() const
{
    const ScrollSettings &diameter = designTable()[row(Ctl::vsbDiam)].scroll,
                         &depth = designTable()[row(Ctl::vsbDepth)].scroll;
    return {model_.caption(Ctl::lblFreq),
            diameter.min,
            diameter.max,
            depth.min,
            depth.max,
            model_.caption(Ctl::lblDiam),
            model_.caption(Ctl::lblFlen),
            model_.caption(Ctl::lblFdr)};
}

FormChanges Session::followWindow()
{
    if (!formsBehind_)
        return {};
    formsBehind_ = false;
    return built().windowChanged(windowFacts());
}

namespace {

// What following the window changed, then what the action did.
FormChanges both(FormChanges first, FormChanges then)
{
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

} // namespace

FormChanges Session::typed(int f, const form::Cell& c, std::string text)
{
    FormChanges first = followWindow();
    return both(std::move(first), built().typed(f, c, std::move(text)));
}

FormChanges Session::chose(int f, int item, int option)
{
    FormChanges first = followWindow();
    return both(std::move(first), built().chose(f, item, option));
}

// A paste the form does not take leaves the forms as they were, behind
// the window or not, for the platform's own paste.
std::optional<FormChanges> Session::pasted(int f, const form::Cell& c, std::string_view text)
{
    std::optional<FormChanges> taken = built().pasted(f, c, text);
    if (!taken)
        return std::nullopt;
    return both(std::move(*taken), followWindow());
}

FormChanges Session::pressed(int f, int item, std::optional<std::string_view> clipboard)
{
    FormChanges first = followWindow();
    return both(std::move(first), built().pressed(f, item, clipboard));
}

std::array<std::pair<Ctl, std::int16_t>, 2> Session::barsFor(const BarSetting& s)
{
    return {{{Ctl::vsbDiam, s.diameter}, {Ctl::vsbDepth, s.depth}}};
}

} // namespace planner
