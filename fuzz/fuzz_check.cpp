// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dish check on any texts: its first byte picks the shape and the
// unit; then lines, the frequency, the diameter (or width, height and
// depth), and the rest pasted as rows. Nothing escapes; a problem means no
// result; no result says nan or inf; a setting lies within the bars.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "builder/dish_check.h"
#include "builder/paste.h"

namespace {

// The next line of the input, taken off its front.
std::string line(std::string_view& rest)
{
    const auto end = rest.find('\n');
    const std::string taken(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    return taken;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    planner::DishInput in;
    in.shape = data[0] & 1 ? planner::DishShape::Offset : planner::DishShape::Round;
    in.unit = planner::Unit((data[0] >> 1) % 3);
    const planner::WindowFacts window{line(rest), 10, 40, 10, 50, "24", "12", "0.5"};
    in.diameter = in.width = line(rest);
    in.height = line(rest);
    in.depth = line(rest);
    for (const auto& row : planner::pastedRows(rest, 2, 1000).rows)
        in.rows.push_back({row[0], row[1]});
    const planner::DishCheck c = planner::checkDish(in, window); // must not throw
    if (!c.problems.empty() && !c.results.empty())
        std::abort();
    for (const planner::Result& r : c.results) {
        std::string v = r.value;
        std::transform(v.begin(), v.end(), v.begin(),
                       [](unsigned char ch) { return char(std::tolower(ch)); });
        if (v.empty() || v.find("nan") != std::string::npos || v.find("inf") != std::string::npos)
            std::abort();
    }
    if (c.setting && (c.setting->diameter < 10 || c.setting->diameter > 40 ||
                      c.setting->depth < 10 || c.setting->depth > 50))
        std::abort();
    (void)planner::checkAnnouncement(c);
    return 0;
}
