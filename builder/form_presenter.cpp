// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/form_presenter.h"

#include <algorithm>

#include "builder/figures.h"
#include "builder/paste.h"

namespace planner::form {

int itemNamed(const Outline& outline, std::string_view id)
{
    for (std::size_t i = 0; i < outline.items.size(); ++i)
        if (outline.items[i].id == id)
            return int(i);
    return -1;
}

namespace {

// What a tool is given to fill: each item's texts and choice as typed,
// with no problem by any field.
Outcome blank(const Typed& typed)
{
    Outcome o;
    o.items.resize(typed.texts.size());
    for (std::size_t i = 0; i < o.items.size(); ++i) {
        ItemState& s = o.items[i];
        s.texts = typed.texts[i];
        s.chosen = typed.chosen[i];
        for (const auto& row : s.texts)
            s.problems.emplace_back(row.size());
    }
    return o;
}

} // namespace

Presenter::Presenter(const Tool& tool, const Context& context) : tool_(tool), context_(context)
{
    const Outline& s = outline();
    typed_.texts.resize(s.items.size());
    typed_.chosen.assign(s.items.size(), 0);
    for (std::size_t i = 0; i < s.items.size(); ++i) {
        const Item& item = s.items[i];
        if (item.kind == Kind::Field)
            typed_.texts[i] = {{""}};
        else if (item.kind == Kind::Rows)
            typed_.texts[i].assign(s.firstRows, std::vector<std::string>(item.options.size()));
    }
    again({}, false);
}

std::string Presenter::label(const Cell& c) const
{
    const Item& item = outline().items.at(c.item);
    if (item.kind != Kind::Rows)
        return std::string(item.text);
    return cat({item.options.at(c.column), " ", std::to_string(c.row + 1)});
}

int Presenter::rowsItem() const
{
    const auto& items = outline().items;
    return int(std::find_if(items.begin(), items.end(),
                            [](const Item& i) { return i.kind == Kind::Rows; }) -
               items.begin());
}

// The form again from what is typed: the items whose state differs are
// the update's changed ones. A paste refused keeps its sentence by the
// rows until the user acts again.
Update Presenter::again(Update u, bool pause)
{
    Outcome next = blank(typed_);
    try {
        tool_.evaluate(typed_, context_, next);
    } catch (const std::exception&) { // no figure, rather than one half worked out
        next = blank(typed_);
        next.said = "These figures could not be worked out; check what is typed.";
    }
    if (!refused_.empty() && rowsItem() < int(next.items.size()))
        next.items[rowsItem()].problem = refused_, next.said = refused_;
    for (std::size_t i = 0; i < next.items.size(); ++i)
        if (now_.items.size() != next.items.size() || !(now_.items[i] == next.items[i]))
            u.changed.push_back(int(i));
    now_ = std::move(next);
    u.pause = pause;
    return u;
}

Update Presenter::typed(const Cell& c, std::string text)
{
    auto& texts = typed_.texts.at(c.item);
    texts.at(std::max(c.row, 0)).at(c.column) = std::move(text);
    refused_.clear();
    return again({}, true);
}

Update Presenter::chose(int item, int option)
{
    const int options = int(outline().items.at(item).options.size());
    typed_.chosen.at(item) = std::clamp(option, 0, options - 1);
    refused_.clear();
    return again({}, true);
}

std::optional<Update> Presenter::pasted(const Cell& c, std::string_view text)
{
    if (outline().items.at(c.item).kind != Kind::Rows || !holdsRows(text))
        return std::nullopt;
    return paste(c, text);
}

// Pairs from text into the rows from this one, in one check however many.
Update Presenter::paste(const Cell& at, std::string_view text)
{
    auto& rows = typed_.texts.at(at.item);
    const int from = std::max(at.row, 0), columns = int(outline().items[at.item].options.size());
    PastedRows p = pastedRows(text, columns, outline().mostRows - from);
    if (p.problem.empty() && p.rows.empty())
        p.problem = "the clipboard holds no figures: copy the rows first, then paste them.";
    refused_ = p.problem.empty() ? "" : cat({"Measurements: ", p.problem});
    Update u;
    for (std::size_t i = 0; i < p.rows.size(); ++i) {
        const int r = from + int(i);
        if (r >= int(rows.size()))
            rows.emplace_back(columns);
        rows[r] = std::move(p.rows[i]);
        for (int column = 0; column < columns; ++column)
            u.rewritten.push_back({at.item, r, column});
    }
    return again(std::move(u), true);
}

Update Presenter::addRow(int item)
{
    auto& rows = typed_.texts.at(item);
    Update u;
    if (int(rows.size()) >= outline().mostRows) {
        u.tell = cat({"The form takes ", std::to_string(outline().mostRows), " rows at most."});
        return u;
    }
    rows.emplace_back(outline().items[item].options.size());
    u.focus = Cell{item, int(rows.size()) - 1, 0};
    return again(std::move(u), false);
}

Update Presenter::pressed(int item, std::optional<std::string_view> clipboard)
{
    Update u;
    switch (outline().items.at(item).action) {
    case Action::AddRow:
        return addRow(rowsItem());
    case Action::PasteRows:
        if (!clipboard) {
            refused_ = "Measurements: the clipboard could not be read here; paste into a row's "
                       "field instead, with the keys or the field's own menu.";
            return again(std::move(u), true);
        }
        return paste({rowsItem(), 0, 0}, *clipboard);
    case Action::CopyRows: {
        std::vector<std::vector<std::string>> filled;
        for (const auto& row : typed_.texts.at(rowsItem()))
            if (std::any_of(row.begin(), row.end(), [](const std::string& t) {
                    return t.find_first_not_of(' ') != std::string::npos;
                }))
                filled.push_back(row);
        u.clipboard = copiedRows(filled);
        u.tell = filled.empty() ? "No rows to copy: none is filled in."
                                : cat({std::to_string(filled.size()), " rows copied."});
        return u;
    }
    case Action::SetPlanner:
        u.setPlanner = now_.setting;
        return u;
    case Action::Press:
        break;
    }
    return again(std::move(u), false);
}

Update Presenter::contextChanged(const Context& context)
{
    context_ = context;
    return again({}, false);
}

} // namespace planner::form
