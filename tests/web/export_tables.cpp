// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests and tools read, written as JSON from the tables
// the C++ tests use, so that nothing is typed twice: the window's title and
// size and Tab order, every control of the design table with its place in CSS
// pixels, the worked states (their figures, and the user's way from
// start-up to each bar's value), the spots, and the worked templates.
// Usage (under Node): node export_tables.js > tables.json
#include <iostream>
#include <string>
#include <string_view>

#include "window/design.h"
#include "window/metrics.h"
#include "worked_states.h"

namespace {

std::string q(std::string_view s)
{
    std::string quoted = "\"";
    for (const char c : s)
        quoted += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    return quoted + "\"";
}

// A JSON array of what f makes of each item.
template <class Items, class F> std::string list(const Items& items, F f)
{
    std::string a = "[";
    for (const auto& item : items)
        a += (a.size() > 1 ? ", " : "") + f(item);
    return a + "]";
}

std::string px(double twips)
{
    return std::to_string(planner::toPixels(twips, planner::logicalDpi));
}

// A control's name, its place in CSS pixels, and a bar's range.
std::string control(int row)
{
    const auto& d = planner::designTable()[row];
    return "{\"name\": " + q(planner::controlName(row)) + ", \"box\": [" + px(d.twips.left) + ", " +
           px(d.twips.top) + ", " + px(d.twips.width) + ", " + px(d.twips.height) +
           "], \"range\": [" + std::to_string(d.scroll.min) + ", " + std::to_string(d.scroll.max) +
           "]}";
}

std::string state(const worked::State& s)
{
    const auto shown = [](const worked::Shown& c) {
        return "[" + q(c.control) + ", " + q(c.caption) + "]";
    };
    const auto bar = [](const std::pair<int, float>& b) {
        return "[" + std::to_string(b.first) + ", " + px(b.second) + "]";
    };
    std::string ways;
    for (const auto& [bar, from, to] :
         {std::tuple{"vsbFreq", 1200, s.freq}, std::tuple{"vsbDiam", 10, s.diam},
          std::tuple{"vsbDepth", 20, s.depth}}) {
        const auto m = worked::moves(bar, from, to);
        ways += std::string(ways.empty() ? "" : ", ") + q(bar) + ": [" + std::to_string(m.pages) +
                ", " + std::to_string(m.lines) + ", " + (m.down ? "true" : "false") + "]";
    }
    return "{\"name\": " + q(s.name) + ", \"freq\": " + std::to_string(s.freq) +
           ", \"diam\": " + std::to_string(s.diam) + ", \"depth\": " + std::to_string(s.depth) +
           ",\n   \"shown\": " + list(s.shown, shown) + ", \"bars\": " + list(s.bars, bar) +
           ", \"moves\": {" + ways + "}}";
}

std::string dishTemplate(const worked::Template& t)
{
    return "{\"freq\": " + std::to_string(t.freq) + ", \"diam\": " + std::to_string(t.diam) +
           ", \"depth\": " + std::to_string(t.depth) + ", \"sheets\": " + std::to_string(t.sheets) +
           ", \"figures\": " + list(t.figures, q) + "}";
}

} // namespace

int main()
{
    std::vector<int> rows(planner::controlCount);
    for (int r = 0; r < planner::controlCount; ++r)
        rows[r] = r;
    const auto spot = [](const auto& s) {
        const auto& [name, x, y, w, h] = s;
        return "[" + q(name) + ", " + std::to_string(x) + ", " + std::to_string(y) + ", " +
               std::to_string(w) + ", " + std::to_string(h) + "]";
    };
    std::cout << "{\"title\": " << q(planner::windowTitle) << ", \"window\": ["
              << px(planner::clientWidth) << ", " << px(planner::clientHeight)
              << "],\n\"tabOrder\": "
              << list(planner::tabOrder,
                      [](planner::Ctl c) { return q(planner::controlName(row(c))); })
              << ",\n\"controls\": [\n  " << list(rows, control).substr(1) << ",\n\"states\": [\n  "
              << list(worked::states, state).substr(1)
              << ",\n\"spots\": " << list(worked::spots, spot)
              << ",\n\"templates\": " << list(worked::templates, dishTemplate) << "}\n";
}
