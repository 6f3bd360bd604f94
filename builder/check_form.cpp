// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/check_form.h"

#include "builder/figures.h"
#include "calc/units.h"

namespace planner {

namespace {

using form::Action;
using form::Kind;

// The form's items, by their place in it.
namespace at {
enum : int {
    Shape,
    UnitList,
    HowTo,
    Diameter,
    Rows,
    AddRow,
    PasteRows,
    CopyRows,
    Width,
    Height,
    OffsetDepth,
    Heading,
    Results,
    Picture,
    Notes,
    Set
};
} // namespace at

constexpr std::string_view howToMeasure[] = {
    "Lay a straight edge across the rim through the middle. Along it, from one fixed mark, note "
    "positions, and at each the depth from the edge down to the surface: 5 or more, rim to rim. "
    "Pairs pasted from a spreadsheet, one a line, fill the rows.",
    "Measure the width across (the shorter way), the height along the long axis, and the "
    "greatest depth, square to a straight edge laid along the long axis from rim to rim."};

const form::Outline outline{
    "check",
    checkTitle,
    {{Kind::Choice, "shape", "Shape", {"Round (prime focus)", "Offset"}},
     {Kind::List, "unit", "Unit", {"inches", "millimetres", "centimetres"}},
     {Kind::Text, "how", ""},
     {Kind::Field, "diameter", "Diameter, rim to rim"},
     {Kind::Rows, "rows", "Measurements", {"Position", "Depth"}},
     {Kind::Button, "add", "Add a row", {}, Action::AddRow},
     {Kind::Button, "paste", "Paste rows", {}, Action::PasteRows},
     {Kind::Button, "copy", "Copy rows", {}, Action::CopyRows},
     {Kind::Field, "width", "Width, across"},
     {Kind::Field, "height", "Height, along the long axis"},
     {Kind::Field, "depth", "Greatest depth"},
     {Kind::Heading, "heading", "What the measurements say"},
     {Kind::Results, "results", ""},
     {Kind::Picture, "picture", "The points measured against the fitted curve"},
     {Kind::Notes, "notes", ""},
     {Kind::Button, "set", "", {}, Action::SetPlanner}},
    7,    // every 4 inches across 24
    100}; // the most the check takes

// Where each field's problem shows: its item, with its row for a row's.
form::Cell cellOf(const Problem& p)
{
    switch (p.field) {
    case Field::Diameter:
        return {at::Diameter};
    case Field::Position:
    case Field::Depth:
        return {at::Rows, p.row, p.field == Field::Depth};
    case Field::Width:
        return {at::Width};
    case Field::Height:
        return {at::Height};
    case Field::OffsetDepth:
        return {at::OffsetDepth};
    case Field::Rows:
        break;
    }
    return {at::Rows};
}

class CheckTool : public form::Tool {
public:
    const form::Outline& outline() const override { return planner::outline; }
    void evaluate(const form::Typed& typed, const form::Context& context,
                  form::Outcome& out) const override;
};

void CheckTool::evaluate(const form::Typed& t, const form::Context& context,
                         form::Outcome& out) const
{
    const auto shape = DishShape(t.chosen[at::Shape]);
    DishInput in{shape,
                 Unit(t.chosen[at::UnitList]),
                 t.text(at::Diameter),
                 {},
                 t.text(at::Width),
                 t.text(at::Height),
                 t.text(at::OffsetDepth)};
    for (const auto& row : t.texts[at::Rows])
        in.rows.push_back({row[0], row[1]});
    DishCheck c = checkDish(in, context.window);
    auto& items = out.items;
    const bool round = shape == DishShape::Round;
    for (const int i : {at::Diameter, at::Rows, at::AddRow, at::PasteRows, at::CopyRows})
        items[i].shown = round;
    for (const int i : {at::Width, at::Height, at::OffsetDepth})
        items[i].shown = !round;
    items[at::HowTo].words = howToMeasure[t.chosen[at::Shape]];
    for (const Problem& p : c.problems) {
        const form::Cell at = cellOf(p);
        (p.field == Field::Rows ? items[at::Rows].problem
                                : items[at.item].problems.at(std::max(at.row, 0)).at(at.column)) =
            p.sentence;
    }
    items[at::Results].results = c.results;
    for (const std::string& n : c.notes)
        items[at::Notes].words += (items[at::Notes].words.empty() ? "" : " ") + n;
    items[at::Notes].shown = !items[at::Notes].words.empty();
    items[at::Picture].shown = round && !c.picture.shapes.empty();
    items[at::Picture].picture = std::move(c.picture);
    items[at::Set].shown = c.setting.has_value();
    if (c.setting)
        items[at::Set].words = "Set the planner to " + settingWords(*c.setting);
    out.setting = c.setting;
    out.found = c.dish;
    out.said = checkAnnouncement(c);
}

} // namespace

std::string fieldLabel(Field f, int row)
{
    switch (f) {
    case Field::Diameter:
        return std::string(outline.items[at::Diameter].text);
    case Field::Position:
    case Field::Depth:
        return cat(
            {outline.items[at::Rows].options[f == Field::Depth], " ", std::to_string(row + 1)});
    case Field::Width:
        return std::string(outline.items[at::Width].text);
    case Field::Height:
        return std::string(outline.items[at::Height].text);
    case Field::OffsetDepth:
        return std::string(outline.items[at::OffsetDepth].text);
    case Field::Rows:
        break;
    }
    return std::string(outline.items[at::Rows].text);
}

std::string settingWords(const BarSetting& s)
{
    constexpr int steps = calc::units::depthStepsPerInch;
    return cat({std::to_string(s.diameter), " inches, ", std::to_string(s.depth / steps), ".",
                std::to_string(s.depth % steps), " deep"});
}

const form::Tool& checkTool()
{
    static const CheckTool tool;
    return tool;
}

} // namespace planner
