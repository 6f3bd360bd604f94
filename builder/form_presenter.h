// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one presenter of every builder's form: it holds what the user typed
// and chose, takes each action a user makes on the form, asks the tool
// what the form then shows, and answers with an update that names what
// changed. A view builds the form from its outline, applies the updates by
// asking here what each changed item shows, and passes actions back.
//
// Example, the dish check with the window at 2400 MHz: typed({diameter},
// "24") changes the diameter's item (no problem yet) and asks for a pause;
// pasted({rows, 0, 0}, "0\t0\n4\t1.6667\n...") rewrites the rows' fields,
// and the results and the picture change, in one check however many rows
// the text holds; pressed(copy) puts "0\t0\n4\t1.6667\n..." on the
// clipboard.
#pragma once

#include <string>
#include <string_view>

#include "builder/form.h"

namespace planner::form {

class Presenter {
public:
    // The form of tool, as the user first sees it, in context.
    Presenter(const Tool& tool, const Context& context);

    const Outline& outline() const { return tool_.outline(); }
    const ItemState& item(int i) const { return now_.items.at(i); }
    int rows(int item) const { return int(typed_.texts.at(item).size()); }
    // A field's name for readers; a row's with its number from 1. Example:
    // "Depth 3" for the cell {rows, 2, 1}.
    std::string label(const Cell& c) const;
    // What readers are told once typing pauses.
    const std::string& said() const { return now_.said; }
    // The dish the form has found, for the other tools.
    const std::optional<CheckedDish>& found() const { return now_.found; }

    // The actions. A field typed (its whole text now); a choice made.
    Update typed(const Cell& c, std::string text);
    Update chose(int item, int option);
    // Text pasted into a cell of the Rows: pairs, one a line, fill the rows
    // from that row, adding rows as they need; none where the text is one
    // figure, which a view pastes as the platform does.
    std::optional<Update> pasted(const Cell& c, std::string_view text);
    // A button pressed; PasteRows takes the clipboard's text, none where
    // the platform would not let it be read.
    Update pressed(int item, std::optional<std::string_view> clipboard = std::string_view{});
    // The planner changed (its frequency, the dish checked): the form again.
    Update contextChanged(const Context& context);

private:
    Update again(Update u, bool pause);
    Update addRow(int item);
    Update paste(const Cell& at, std::string_view text);
    int rowsItem() const;

    const Tool& tool_;
    Context context_;
    Typed typed_;
    Outcome now_;
    std::string refused_; // why the last paste was refused, until the user acts again
};

} // namespace planner::form
