// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/spoken.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "runtime/text.h"

namespace planner {

namespace {

// A figure, and the millimetre figure below it if it has one, read together.
struct Reading {
    Ctl figure;
    std::optional<Ctl> millimetres;
};
constexpr Reading readingOrder[] = {
    {Ctl::lblDiam, Ctl::Label9},  {Ctl::lblDepth, Ctl::Label10},
    {Ctl::lblFlen, Ctl::Label11}, {Ctl::lblFdr, {}},
    {Ctl::lblGain, {}},
};

} // namespace

std::string spokenForm(const ControlDesign& d, std::string_view caption)
{
    if (d.meaning.empty())
        return std::string(caption);
    std::string spoken(d.meaning);
    rt::replaceAll(spoken, "{r}", std::to_string(d.index) + (d.index == 1 ? " inch" : " inches"));
    rt::replaceAll(spoken, "{}", caption);
    return spoken;
}

bool hiddenFromReaders(const ControlDesign& d, std::string_view caption, float heightTwips)
{
    return d.kind == Kind::Label && (heightTwips <= 0.0f || (caption.empty() && !d.backColor));
}

std::string changeAnnouncement(const std::vector<int>& changedRows, const ControlModel& after)
{
    const auto changed = [&](int r) {
        return std::binary_search(changedRows.begin(), changedRows.end(), r);
    };
    std::string sentence;
    for (const auto& [figure, mm] : readingOrder) {
        if (!changed(row(figure)) && !(mm && changed(row(*mm))))
            continue;
        sentence += spokenForm(designTable()[row(figure)], after.caption(figure));
        if (mm)
            sentence += ", " + after.caption(*mm) + " millimetres";
        sentence += ". ";
    }
    int rim = -1;
    bool profileChanged = false;
    for (int i = 0; i < arrayMembers; ++i) {
        profileChanged = profileChanged || changed(row(LabelArray::label8, i));
        if (!after.caption(LabelArray::label8, i).empty())
            rim = i;
    }
    if (profileChanged && rim >= 0)
        sentence += "Rim " + after.caption(LabelArray::label8, rim) + " deep at " +
                    std::to_string(rim) + " inches. ";
    if (!sentence.empty())
        sentence.pop_back();
    return sentence;
}

std::string allFigures(const ControlModel& model)
{
    std::vector<int> every(controlCount);
    std::iota(every.begin(), every.end(), 0);
    return changeAnnouncement(every, model);
}

} // namespace planner
