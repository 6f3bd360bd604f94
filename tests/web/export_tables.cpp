// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests and tools read, written as JSON from the tables
// the C++ tests use, so that nothing is typed twice: the window's size and
// Tab order, every control of the design table with its element's id, its
// place in CSS pixels and a bar's range, the figure each bar moves, the
// worked states (their figures, and the
// user's way from start-up to each bar's value), the spots, the worked
// templates, and the builder's forms (each item's id and kind) with the
// scenarios every engine runs. Example: a state's "moves" {"vsbDiam": [7,
// 0, true]} are 7 pages down and no arrow step. Usage (under Node): node
// export_tables.js > tables.json
#define DOCTEST_CONFIG_DISABLE // the tables alone, not the tests that run them
#include <iostream>
#include <nlohmann/json.hpp>

#include "window/design.h"
#include "window/metrics.h"
#include "window/web/markup.h"
#include "form_scenarios.h"
#include "window/session.h"

using nlohmann::json;

namespace {

constexpr auto px = planner::toLogicalPixels;

json state(const worked::State& s)
{
    json shown = json::array(), bars = json::array(), moves, values;
    for (const worked::Shown& c : s.shown)
        shown.push_back(json::array({c.control, c.caption}));
    for (const auto& [member, twips] : s.bars)
        bars.push_back(json::array({member, planner::toLogicalPixels(twips)}));
    for (const auto& [bar, figure] : worked::bars) {
        const int from = planner::designTable()[planner::rowNamed(bar).value()].scroll.value;
        const worked::Moves m = worked::moves(bar, from, s.at(bar));
        moves[std::string(bar)] = json::array({m.pages, m.lines, m.down});
        values[std::string(bar)] = s.at(bar);
    }
    return {{"name", s.name},   {"freq", s.freq}, {"diam", s.diam}, {"depth", s.depth},
            {"values", values}, {"shown", shown}, {"bars", bars},   {"moves", moves}};
}

} // namespace

int main()
{
    json all = {{"window", {px(planner::clientWidth), px(planner::clientHeight)}}};
    for (const auto& [bar, figure] : worked::bars)
        all["figureOf"][std::string(bar)] = figure;
    for (const planner::Ctl c : planner::tabOrder)
        all["tabOrder"].push_back(planner::controlName(row(c)));
    for (int r = 0; r < planner::controlCount; ++r) {
        const planner::ControlDesign& d = planner::designTable()[r];
        all["controls"].push_back(
            {{"name", planner::controlName(r)},
             {"id", planner::web::elementId(r)},
             {"box", {px(d.twips.left), px(d.twips.top), px(d.twips.width), px(d.twips.height)}},
             {"range", {d.scroll.min, d.scroll.max}}});
    }
    for (const worked::State& s : worked::states)
        all["states"].push_back(state(s));
    for (const auto& [name, x, y, width, height] : worked::spots)
        all["spots"].push_back(json::array({name, x, y, width, height}));
    planner::Session session;
    for (int f = 0; f < session.forms().count(); ++f) {
        const planner::form::Outline& outline = session.forms()[f].outline();
        json items = json::array();
        for (const planner::form::Item& item : outline.items)
            items.push_back({{"id", item.id}, {"kind", int(item.kind)}});
        all["forms"].push_back({{"id", outline.id}, {"items", items}});
    }
    for (const worked::Scenario& sc : worked::scenarios) {
        json steps = json::array();
        for (const worked::Step& step : sc.steps) {
            json expect = json::array();
            for (const auto& [key, value] : step.expect)
                expect.push_back(json::array({key, value}));
            steps.push_back({{"action", step.action},
                             {"target", step.target},
                             {"text", step.text},
                             {"expect", expect}});
        }
        all["scenarios"].push_back(
            {{"name", sc.name}, {"form", sc.form}, {"megahertz", sc.megahertz}, {"steps", steps}});
    }
    for (const worked::Template& t : worked::templates)
        all["templates"].push_back({{"freq", t.freq},
                                    {"diam", t.diam},
                                    {"depth", t.depth},
                                    {"sheets", t.sheets},
                                    {"figures", t.figures}});
    std::cout << all.dump(1) << "\n";
}
