// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The builder's forms on any texts: the first byte picks every choice
// (the check's shape and unit, the feed's dish, unit, kind and surface);
// then lines: the window's frequency, then a text for each field of the
// check and the feed in their order, and the rest pasted into the check's
// rows. Nothing escapes; every figure shown is finite and one a dish can
// have (within the bounds' table); a check with a problem by a field shows
// no result;
// percentages lie within 0 and 100; a setting lies within the bars; every
// point drawn lies within its picture.
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "builder/bounds.h"
#include "builder/forms.h"

namespace {

using namespace planner;

// The next line of the input, taken off its front.
std::string line(std::string_view& rest)
{
    const auto end = rest.find('\n');
    const std::string taken(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    return taken;
}

// Aborts, saying which rule failed, where it does not hold.
void require(bool holds, int line = __builtin_LINE())
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz_forms.cpp:%d: a rule failed\n", line);
    std::abort();
}

// No figure that is no number, and no percentage beyond 0 to 100.
void figuresSound(const form::ItemState& s)
{
    for (const Result& r : s.results) {
        require(!r.value.empty());
        for (const std::string_view bad : {"nan", "inf", "NaN", "Inf"})
            require(r.value.find(bad) == std::string::npos);
        for (auto at = r.value.find('%'); at != std::string::npos; at = r.value.find('%', at + 1)) {
            const auto from = r.value.find_last_not_of("0123456789.", at - 1) + 1;
            const double percent = std::atof(r.value.substr(from, at - from).c_str());
            require(percent >= 0 && percent <= 100);
        }
    }
    for (const Shape& shape : s.picture.shapes)
        for (const Point& p : shape.points)
            require(std::isfinite(p.x) && std::isfinite(p.y) && p.x >= -1 &&
                    p.x <= s.picture.width + 1 && p.y >= -1 && p.y <= s.picture.height + 1);
}

// The dish found is one a dish can have.
void dishSound(const std::optional<CheckedDish>& d)
{
    if (!d)
        return;
    const double ratio = d->focalLength / d->diameter;
    require(std::isfinite(ratio) && d->diameter > 0 &&
            d->diameter <= bound(Says::OverTenMetres).limit);
    const bool round = d->shape == DishShape::Round;
    require(ratio >= bound(round ? Says::Deepest : Says::OffsetDeepest).limit &&
            ratio <= bound(round ? Says::Flattest : Says::OffsetFlattest).limit);
    require(!d->surfaceError || (std::isfinite(*d->surfaceError) && *d->surfaceError >= 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    Forms forms({line(rest), 10, 40, 10, 50, "24", "12", "0.5"});
    const int choices[][2] = {{0, data[0] & 1},        {0, (data[0] >> 1) % 3},
                              {1, (data[0] >> 3) & 1}, {1, (data[0] >> 4) % 3},
                              {1, (data[0] >> 6) & 1}, {1, data[0] >> 7}};
    int picked = 0;
    for (int f = 0; f < forms.count(); ++f) {
        const form::Outline& outline = forms[f].outline();
        for (int i = 0; i < int(outline.items.size()); ++i) {
            const form::Kind k = outline.items[i].kind;
            if ((k == form::Kind::Choice || k == form::Kind::List) && picked < 6)
                forms.chose(f, i, choices[picked++][1]);
            else if (k == form::Kind::Field)
                forms.typed(f, {i}, line(rest));
        }
    }
    forms.pasted(0, {form::itemNamed(forms[0].outline(), "rows"), 0, 0}, rest); // must not throw
    for (int f = 0; f < forms.count(); ++f) {
        bool problem = false;
        for (int i = 0; i < int(forms[f].outline().items.size()); ++i) {
            const form::ItemState& s = forms[f].item(i);
            figuresSound(s);
            if (!s.shown) // a problem the rows keep of a refused paste is none of the check's
                continue;
            for (const auto& row : s.problems)
                for (const std::string& p : row)
                    problem = problem || !p.empty();
        }
        const form::ItemState& results =
            forms[f].item(form::itemNamed(forms[f].outline(), "results"));
        require(f != 0 || !problem || results.results.empty());
        dishSound(forms[f].found());
        (void)forms[f].said();
    }
    const auto set = forms.pressed(0, form::itemNamed(forms[0].outline(), "set"));
    for (const auto& [f, u] : set)
        require(!u.setPlanner || (u.setPlanner->diameter >= 10 && u.setPlanner->diameter <= 40 &&
                                  u.setPlanner->depth >= 10 && u.setPlanner->depth <= 50));
    return 0;
}
