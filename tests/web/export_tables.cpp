// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests read, written as JSON from the tables the C++
// tests use, so that nothing is typed twice: every control of the design
// table with its place in CSS pixels, the worked states (with each shown
// figure's spoken form), the spots, the Tab order.
// Usage (under Node): node export_tables.js > tables.json
#include <cstdio>
#include <string>
#include <string_view>

#include "window/design.h"
#include "window/metrics.h"
#include "window/spoken.h"
#include "worked_states.h"

namespace {

std::string quoted(std::string_view s)
{
    std::string q = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\')
            q += '\\';
        q += c;
    }
    return q + "\"";
}

std::string nameOf(const planner::ControlDesign& d)
{
    return d.index < 0 ? std::string(d.name)
                       : std::string(d.name) + "(" + std::to_string(d.index) + ")";
}

void controls()
{
    const char* kinds[] = {"label", "scrollbar", "button"};
    std::printf("\"controls\": [\n");
    const auto& table = planner::designTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto& d = table[i];
        const auto px = [](int twips) { return planner::toPixels(twips, planner::logicalDpi); };
        std::printf("  {\"name\": %s, \"kind\": \"%s\", \"box\": [%d, %d, %d, %d], "
                    "\"tooltip\": %s, \"meaning\": %s, \"range\": [%d, %d, %d, %d, %d]}%s\n",
                    quoted(nameOf(d)).c_str(), kinds[int(d.kind)], px(d.twips.left),
                    px(d.twips.top), px(d.twips.width), px(d.twips.height),
                    quoted(d.tooltip).c_str(), quoted(d.meaning).c_str(), d.scroll.min,
                    d.scroll.max, d.scroll.value, d.scroll.smallChange, d.scroll.largeChange,
                    i + 1 < table.size() ? "," : "");
    }
    std::printf("],\n");
}

void states()
{
    std::printf("\"states\": [\n");
    for (std::size_t i = 0; i < worked::states.size(); ++i) {
        const worked::State& s = worked::states[i];
        std::printf("  {\"name\": %s, \"freq\": %d, \"diam\": %d, \"depth\": %d, \"shown\": [",
                    quoted(s.name).c_str(), s.freq, s.diam, s.depth);
        for (std::size_t j = 0; j < s.shown.size(); ++j) {
            const auto& c = s.shown[j];
            const auto& d = planner::designTable()[planner::rowNamed(c.control).value()];
            std::printf("%s[%s, %s, %s]", j ? ", " : "", quoted(c.control).c_str(),
                        quoted(c.caption).c_str(),
                        quoted(planner::spokenForm(d, c.caption)).c_str());
        }
        std::printf("], \"bars\": [");
        for (std::size_t j = 0; j < s.bars.size(); ++j)
            std::printf("%s[%d, %d]", j ? ", " : "", s.bars[j].first,
                        planner::toPixels(s.bars[j].second, planner::logicalDpi));
        std::printf("]}%s\n", i + 1 < worked::states.size() ? "," : "");
    }
    std::printf("],\n");
}

void spotsAndTabs()
{
    std::printf("\"spots\": [");
    bool first = true;
    for (const auto& [name, x, y, w, h] : worked::spots) {
        std::printf("%s[%s, %d, %d, %d, %d]", first ? "" : ", ", quoted(name).c_str(), x, y, w, h);
        first = false;
    }
    std::printf("],\n\"tabOrder\": [");
    first = true;
    for (std::string_view name : worked::tabOrder) {
        std::printf("%s%s", first ? "" : ", ", quoted(name).c_str());
        first = false;
    }
    std::printf("]\n");
}

} // namespace

int main()
{
    std::printf("{\n");
    controls();
    states();
    spotsAndTabs();
    std::printf("}\n");
    return 0;
}
