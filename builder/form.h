// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A builder's tool as a form, without a toolkit: what it holds, top to
// bottom in the order it reads and the keys go (its items), what each
// shows now (its state), and what a view redraws after an action (an
// update). A tool fills the state from what the user typed (Tool); one
// presenter (form_presenter.h) takes every action on any tool's form; one
// renderer in each engine draws any form from its items and applies the
// updates.
//
// Example: the dish check's items begin with the choice "Shape" (Round
// (prime focus), Offset), the list "Unit", the words on what to measure
// and the field "Diameter, rim to rim"; once "24x" is typed there, the
// field's state holds the problem "Diameter, rim to rim: “24x” is not a
// number; ..." and the results none.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "builder/dish_check.h"
#include "builder/shapes.h"

namespace planner::form {

enum class Kind : std::uint8_t {
    Heading, // a heading within the form
    Text,    // words: what to measure, say
    Choice,  // one of its options, as buttons side by side
    List,    // one of its options, as a list that drops down
    Field,   // a labelled line to type a figure in
    Rows,    // a table of fields, a row a measurement, under its columns' headings
    Button,  // a push button
    Results, // labelled figures
    Picture, // a drawing with its text alternative
    Notes,   // what the results rest on
};

// What a button does beyond telling the presenter it was pressed.
enum class Action : std::uint8_t {
    Press,      // only that
    AddRow,     // a row more in the form's Rows
    PasteRows,  // the clipboard's text pasted at the Rows' first row
    CopyRows,   // the rows' pairs to the clipboard
    SetPlanner, // the window's bars to the form's setting
};

struct Item {
    Kind kind;
    std::string_view id;                   // in the form: "diameter"; its element "check-diameter"
    std::string_view text;                 // a label, heading, button's caption or the words
    std::vector<std::string_view> options; // a Choice's or List's; the Rows' column headings
    Action action = Action::Press;         // a Button's
};

// A form's outline: what it is called and its items in reading order.
struct Outline {
    std::string_view id;    // "check": its section, and the start of its elements' ids
    std::string_view title; // its window's title and its section's heading
    std::vector<Item> items;
    int firstRows = 0, mostRows = 0; // the Rows it opens with, and the most it takes
};

// A field: a lone Field item's (row -1), or a cell of a Rows item.
struct Cell {
    int item = 0, row = -1, column = 0;
    bool operator==(const Cell&) const = default;
};

using planner::Result;

// What one item shows now.
struct ItemState {
    bool shown = true;
    std::string words; // a Text's words, a Button's caption, the Notes; else ""
    int chosen = 0;    // a Choice's or List's option
    // A Field's text (one row of one), the Rows' texts (a row each); and by
    // each, its problem in one sentence ("" for none), which readers get as
    // the field's description.
    std::vector<std::vector<std::string>> texts, problems;
    std::string problem; // the Rows': a problem of the measurements as a whole
    std::vector<Result> results;
    Picture picture;
    bool operator==(const ItemState&) const = default;
};

// What a view does after an action. The items changed are those to
// redraw from the presenter's state; the fields rewritten, those whose
// text the core set (a paste, a row added), which a view writes in.
struct Update {
    std::vector<int> changed;
    std::vector<Cell> rewritten;
    std::optional<Cell> focus;            // where the focus goes
    std::string clipboard;                // when not "": what goes on the clipboard
    std::string tell;                     // when not "": what readers are told at once
    std::optional<BarSetting> setPlanner; // the window's bars to move
    bool pause = false;                   // the user typed: readers hear said() once typing pauses
    bool empty() const
    {
        return changed.empty() && rewritten.empty() && !focus && clipboard.empty() &&
               tell.empty() && !setPlanner && !pause;
    }
};

// How long typing must pause before readers are told the chief figures.
inline constexpr int pauseMs = 1000;

// What a tool reads of the planner: its window's facts, and the dish the
// dish check found, once it has found one.
struct Context {
    WindowFacts window;
    std::optional<CheckedDish> checked;
};

// What the user has typed and chosen, by item: a Field's or the Rows'
// texts, a Choice's or List's option.
struct Typed {
    std::vector<std::vector<std::vector<std::string>>> texts;
    std::vector<int> chosen;
    const std::string& text(int item, int row = 0, int column = 0) const
    {
        return texts.at(item).at(row).at(column);
    }
};

// What a tool makes of what is typed: each item's state (its texts and
// chosen option are the presenter's), the setting "Set the planner" moves
// the bars to, the dish found for the other tools, and what readers are
// told once typing pauses (the first problem, or the chief figures).
struct Outcome {
    std::vector<ItemState> items;
    std::optional<BarSetting> setting;
    std::optional<CheckedDish> found;
    std::string said;
};

// A builder's tool drawn as a form.
class Tool {
public:
    virtual ~Tool() = default;
    virtual const Outline& outline() const = 0;
    // Fills out (whose items hold the typed texts and choices already)
    // from what is typed, in the context given. Nothing escapes.
    virtual void evaluate(const Typed& typed, const Context& context, Outcome& out) const = 0;
};

// The index of the item with this id. Example: in the dish check,
// itemNamed(outline, "unit") is 1.
int itemNamed(const Outline& outline, std::string_view id);

} // namespace planner::form
