// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The builder's forms as a user works them, one table for the presenter
// and every engine: each step an action on a form, then what must show.
// An engine's driver does each step as a user does (keys, the context
// menu, clicks) and answers each key from what it shows; runScenario
// checks them. The browser tests read the same table as JSON.
//
// A step's target is a field or item by its id, a row's field with its row
// and column from 0 ("rows 7 1" is Depth 8). A key is what to look at:
//   "results"          every result's label and value, "" for none
//   "result LABEL"     that result's value
//   "problem TARGET"   the sentence by that field ("" for none), which
//                      readers get as its description
//   "text TARGET"      what the field holds
//   "shown TARGET"     "yes" or "no"
//   "caption TARGET"   a button's caption
//   "chosen TARGET"    the option a choice or list stands at, from 0
//   "name TARGET"      the field's name for readers
//   "focus"            the target with the focus
//   "clipboard"        what a copy left there
//   "picture"          how many points the picture draws where the core
//                      placed them
//   "said"             what readers are told once typing pauses
//   "window"           the planner's diameter and depth captions
// and each expected value is the start of what shows ("" alone: nothing).
#pragma once

#include <doctest/doctest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "builder/form_presenter.h"
#include "worked_states.h"

namespace worked {

struct Step {
    // "type", "paste by keys", "paste by the menu" (the clipboard's own text
    // where text is ""), "press", "choose" (text the option's number),
    // "tab" (to the next field or button), "reopen" (the form's window
    // closed and opened again, where it has one), "frequency" (the
    // window's frequency bar moved to text's value)
    std::string_view action, target, text;
    std::vector<std::pair<std::string_view, std::string_view>> expect;
};

struct Scenario {
    std::string_view name;
    int form;      // its place among the builder's forms
    int megahertz; // the window's frequency first
    std::vector<Step> steps;
};

// The 7 rows of `perturbed` copied out: as typed, a pair a line.
inline constexpr std::string_view copied =
    "0\t0\n4\t1.6667\n8\t2.7667\n12\t3\n16\t2.6667\n20\t1.6667\n24\t0\n";

// clang-format off
inline const std::vector<Scenario> scenarios = {
    {"a round dish typed, pasted, added to, mended, copied, set", 0, 2400, {
        {"type", "diameter", "24", {{"problem rows", "Measurements: measure at least 3"}, {"results", ""}}},
        {"paste by keys", "rows 0 0", perturbed, {
            {"problem rows", ""}, {"text rows 2 1", "2.7667"}, {"result Focal length", "11.873 in (301.57 mm)"},
            {"result Surface error, RMS", "0.0408 in (1.036 mm)"},
            {"result Furthest from the curve", "point 3, 0.0714 in (1.814 mm) below it"}, {"picture", "7"},
            {"caption set", "Set the planner to 24 inches, 3.0 deep"}, {"said", "Focal length 11.873 in"}}},
        {"frequency", "", "2401", {{"result Gain lost at 2401 MHz", "0.05 dB"}}},
        {"press", "add", "", {{"focus", "rows 7 0"}, {"text rows 7 0", ""}, {"name rows 7 1", "Depth 8"}}},
        {"tab", "", "", {{"focus", "rows 7 1"}}},
        {"tab", "", "", {{"focus", "add"}}},
        {"type", "rows 7 1", "x", {{"problem rows 7 1", "Depth 8: \u201cx\u201d is not a number"}, {"results", ""}}},
        {"type", "rows 7 1", "", {{"problem rows 7 1", ""}, {"result Focal length", "11.873 in"}}},
        {"press", "copy", "", {{"clipboard", copied}}},
        {"reopen", "", "", {{"text rows 2 1", "2.7667"}, {"result Focal length", "11.873 in"}}},
        {"type", "rows 2 1", "2.6667", {{"result Surface error, RMS", "0 in"}, {"shown picture", "yes"}}},
        {"paste by the menu", "rows 0 0", "", {{"text rows 2 1", "2.7667"}, {"result Surface error, RMS", "0.0408 in"}}},
        {"press", "set", "", {{"window", "24 3"}}}}},
    {"an offset dish typed, refused, mended", 0, 2400, {
        {"choose", "shape", "1", {{"shown diameter", "no"}, {"shown width", "yes"}, {"results", ""},
                                  {"chosen shape", "1"}}},
        {"choose", "unit", "1", {{"chosen unit", "1"}, {"name width", "Width, across"}}},
        {"type", "width", "460", {}},
        {"type", "height", "400", {{"problem depth", "Greatest depth: type a number."}}},
        {"type", "depth", "43", {{"problem width", "Width, across: more than the height"}, {"results", ""}}},
        {"type", "height", "500", {{"problem width", ""}, {"result Focal length", "282.95 mm (11.14 in)"},
                                   {"result Offset angle", "23.07\u00b0"}, {"shown set", "no"}}}}},
    // The window's dish at start-up, 10 in across, 3.13 in focal length:
    // 2 atan(10 / 12.52) = 77.2 degrees, 20 log10((1 + cos) / 2) = -4.29 dB;
    // at 2400 MHz (124.914 mm) TE11 from 1.84118 and TM01 from 2.40483
    // times lambda / pi; 85 mm: lambda_c = 145.03 mm, lambda_g = lambda /
    // sqrt(1 - (lambda / lambda_c)^2) = 245.82 mm; 140 degrees: n = ln 0.1 /
    // ln cos 70 = 2.146, Silver's integral 75.1% at 77.2 degrees; a mesh
    // of 12.7 mm and 1 mm: X = (12.7 / 124.914) ln(12.7 / pi) = 0.1420,
    // |T|^2 = 4X^2 / (1 + 4X^2) = -11.27 dB, 92.5% kept; a fifth of lambda
    // 24.98 mm.
    {"a can and one's own feed, refused and mended", 1, 2400, {
        {"choose", "unit", "1", {{"result Rim half-angle at the focus", "77.2\u00b0"},
                                 {"result Space loss at the rim", "4.29 dB"},
                                 {"result TE11 alone", "from 73.21 mm (2.882 in) to 95.62 mm (3.765 in) across"},
                                 {"shown picture", "no"}}},
        {"type", "can", "85", {{"result Guide wavelength", "245.82 mm (9.678 in)"},
                               {"result Probe from the closed end", "61.45 mm (2.419 in)"}, {"picture", "2"},
                               {"said", "A dish 254 mm (10 in) across"}}},
        {"type", "can", "70", {{"problem can", "Can's inner diameter: narrower than 73.21 mm (2.882 in), where TE11 is cut off at 2400 MHz: no wave leaves the can. Cans from 73.21 mm (2.882 in) to 95.62 mm (3.765 in) work."},
                               {"result Guide wavelength", ""}}},
        {"type", "can", "100", {{"problem can", "Can's inner diameter: wide enough for TM01 as well, which propagates from 95.62 mm"}}},
        {"choose", "kind", "1", {{"shown can", "no"}, {"shown beamwidth", "yes"}, {"problem beamwidth", ""}}},
        {"type", "beamwidth", "400", {{"problem beamwidth", "Beamwidth between the points 10 dB down, degrees: past 360"}}},
        {"type", "beamwidth", "140", {{"problem beamwidth", ""}, {"result Pattern", "cos^2.15 \u03b8 in power"},
                                      {"result Aperture efficiency, an ideal feed", "75.1%"}, {"picture", "1"}}},
        {"choose", "surface", "1", {{"shown hole", "yes"}}},
        {"type", "hole", "12.7", {}},
        {"type", "wire", "1", {{"result Mesh", "-11.27 dB leaks through; 92.5% (-0.34 dB) reflected"}}},
        {"type", "hole", "30", {{"problem hole", "Mesh hole, centre to centre: 30 mm (1.181 in) is more than a fifth "
                                                 "of the wavelength (24.98 mm (0.984 in) at 2400 MHz)"},
                                {"result Mesh", ""}}}}}};
// clang-format on

// What a driver does and sees: each step done as a user does it, and each
// key answered from what the engine shows.
class FormDriver {
public:
    virtual ~FormDriver() = default;
    virtual void act(const Step& step, const planner::form::Cell& at) = 0;
    virtual std::string look(std::string_view key, const planner::form::Cell& at) = 0;
};

// A form's fields and buttons, in its order, a row's fields row by row;
// only those shown, where asked.
inline std::vector<planner::form::Cell> fieldsAndButtons(const planner::form::Presenter& p,
                                                         bool shownOnly = false)
{
    using planner::form::Kind;
    std::vector<planner::form::Cell> order;
    for (int i = 0; i < int(p.outline().items.size()); ++i) {
        const Kind k = p.outline().items[i].kind;
        if (shownOnly && !p.item(i).shown)
            continue;
        if (k == Kind::Rows)
            for (int r = 0; r < p.rows(i); ++r)
                for (int c = 0; c < int(p.outline().items[i].options.size()); ++c)
                    order.push_back({i, r, c});
        else if (k == Kind::Field || k == Kind::Button)
            order.push_back({i});
    }
    return order;
}

// A target as a step names it: "rows 7 1", "add".
inline std::string targetName(const planner::form::Outline& outline, const planner::form::Cell& c)
{
    const std::string item(outline.items.at(c.item).id);
    return c.row < 0 ? item : item + " " + std::to_string(c.row) + " " + std::to_string(c.column);
}

// A target's field or item: "rows 7 1", "diameter"; {-1} for none.
inline planner::form::Cell cellOf(const planner::form::Outline& outline, std::string_view target)
{
    const auto blank = target.find(' ');
    planner::form::Cell c{planner::form::itemNamed(outline, target.substr(0, blank))};
    if (blank != std::string_view::npos) {
        const std::string rest(target.substr(blank + 1));
        c.row = std::stoi(rest), c.column = std::stoi(rest.substr(rest.find(' ')));
    }
    return c;
}

// A key's target: "problem rows 7 1" has "rows 7 1"; "result Focal length"
// none.
inline std::string_view targetOf(std::string_view key)
{
    const auto blank = key.find(' ');
    const std::string_view word = key.substr(0, blank);
    return blank == std::string_view::npos || word == "result" ? std::string_view{}
                                                               : key.substr(blank + 1);
}

// Each step in turn, and what must then show; failures name the step.
inline void runScenario(FormDriver& driver, const Scenario& s,
                        const planner::form::Outline& outline)
{
    for (std::size_t i = 0; i < s.steps.size(); ++i) {
        const Step& step = s.steps[i];
        INFO(s.name, ", step ", i + 1, ": ", step.action, " ", step.target);
        driver.act(step, cellOf(outline, step.target));
        for (const auto& pair : step.expect) { // no binding: doctest's lambdas take none
            [[maybe_unused]] const std::string_view key = pair.first, expected = pair.second;
            const std::string seen = driver.look(key, cellOf(outline, targetOf(key)));
            CHECK_MESSAGE((expected.empty() ? seen.empty() : seen.starts_with(expected)), key, ": ",
                          seen);
        }
    }
}

} // namespace worked
