// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/form_page.h"

#include "window/web/markup.h"

namespace planner::web {

namespace {

std::string id(const std::string& name)
{
    return " id=\"" + name + "\"";
}

std::string hidden(bool shown)
{
    return shown ? "" : " hidden";
}

// A field for figures: the keyboard for decimals on a phone, no
// autocorrection, no spelling marks.
std::string input(const std::string& name, const std::string& value, const std::string& more = "")
{
    return "<input" + (name.empty() ? "" : id(name)) +
           " inputmode=\"decimal\" autocomplete=\"off\" spellcheck=\"false\"" + more +
           (value.empty() ? "" : " value=\"" + escaped(value) + "\"") + ">";
}

std::string choice(const form::Presenter& p, int i)
{
    const form::Item& item = p.outline().items[i];
    std::string m = "<fieldset><legend>" + escaped(item.text) + "</legend>";
    for (int o = 0; o < int(item.options.size()); ++o)
        m += "<label><input type=\"radio\" name=\"" + idOf(p.outline(), i) + "\"" +
             id(idOf(p.outline(), {i, -1, o})) + (p.item(i).chosen == o ? " checked" : "") + "> " +
             escaped(item.options[o]) + "</label>";
    return m + "</fieldset>";
}

std::string list(const form::Presenter& p, int i)
{
    const form::Item& item = p.outline().items[i];
    std::string m = "<p><label for=\"" + idOf(p.outline(), i) + "\">" + escaped(item.text) +
                    "</label> <select" + id(idOf(p.outline(), i)) + ">";
    for (int o = 0; o < int(item.options.size()); ++o)
        m += std::string(p.item(i).chosen == o ? "<option selected>" : "<option>") +
             escaped(item.options[o]) + "</option>";
    return m + "</select></p>";
}

std::string rows(const form::Presenter& p, int i)
{
    const form::Item& item = p.outline().items[i];
    std::string m = "<table><thead><tr><td></td>";
    for (const std::string_view h : item.options)
        m += "<th scope=\"col\">" + escaped(h) + "</th>";
    m += "</tr></thead><tbody" + id(idOf(p.outline(), i)) + ">";
    for (int r = 0; r < p.rows(i); ++r)
        m += rowMarkup(p, i, r);
    return m + "</tbody></table><template" + id(idOf(p.outline(), i) + "-row") + ">" +
           rowMarkup(p, i, -1) + "</template><div class=\"problem\"" +
           id(problemIdOf(p.outline(), {i})) + " hidden></div>";
}

std::string item(const form::Presenter& p, int i)
{
    const form::Item& item = p.outline().items[i];
    const form::ItemState& s = p.item(i);
    const std::string name = idOf(p.outline(), i);
    switch (item.kind) {
    case form::Kind::Heading:
        return "<h3>" + escaped(item.text) + "</h3>";
    case form::Kind::Text:
    case form::Kind::Notes:
        return "<p" + id(name + "-words") + ">" + escaped(s.words) + "</p>";
    case form::Kind::Choice:
        return choice(p, i);
    case form::Kind::List:
        return list(p, i);
    case form::Kind::Field:
        return "<p><label for=\"" + name + "\">" + escaped(item.text) + "</label> " +
               input(name, s.texts[0][0]) + "</p><p class=\"problem\"" +
               id(problemIdOf(p.outline(), {i})) + " hidden></p>";
    case form::Kind::Rows:
        return rows(p, i);
    case form::Kind::Button:
        return "<button type=\"button\"" + id(name) + ">" +
               escaped(item.text.empty() ? s.words : std::string(item.text)) + "</button>";
    case form::Kind::Results:
        return "<dl" + id(name + "-list") + "></dl>";
    case form::Kind::Picture: // drawn by the view, a graphic with its alternative
        return "<svg" + id(name + "-svg") + " role=\"img\" aria-label=\"" + escaped(item.text) +
               "\" aria-describedby=\"" + name + "-alternative\"></svg><p class=\"reader-only\"" +
               id(name + "-alternative") + "></p>";
    }
    return {};
}

} // namespace

std::string idOf(const form::Outline& outline, int item)
{
    return std::string(outline.id) + "-" + std::string(outline.items.at(item).id);
}

std::string idOf(const form::Outline& outline, const form::Cell& c)
{
    const std::string name = idOf(outline, c.item);
    if (outline.items[c.item].kind == form::Kind::Choice)
        return name + "-" + std::to_string(c.column);
    return c.row < 0 ? name : name + "-" + std::to_string(c.row) + "-" + std::to_string(c.column);
}

std::string problemIdOf(const form::Outline& outline, const form::Cell& c)
{
    return idOf(outline, c) + "-problem";
}

// The row's number and fields; row -1 is the template new rows are made
// from, its number, names and ids put in as each is added.
std::string rowMarkup(const form::Presenter& p, int item, int row)
{
    const form::Item& rows = p.outline().items[item];
    std::string m = "<tr><th scope=\"row\">" + (row < 0 ? "" : std::to_string(row + 1)) + "</th>";
    for (int c = 0; c < int(rows.options.size()); ++c) {
        const form::Cell cell{item, row, c};
        m +=
            "<td>" +
            input(row < 0 ? "" : idOf(p.outline(), cell), row < 0 ? "" : p.item(item).texts[row][c],
                  row < 0 ? "" : " aria-label=\"" + escaped(p.label(cell)) + "\"") +
            "</td>";
    }
    return m + "</tr>";
}

std::string formMarkup(const form::Presenter& p)
{
    std::string m = "<h2>" + escaped(p.outline().title) + "</h2>";
    for (int i = 0; i < int(p.outline().items.size()); ++i) {
        const bool button = p.outline().items[i].kind == form::Kind::Button;
        m += std::string("<div class=\"item") + (button ? " button\"" : "\"") +
             id(idOf(p.outline(), i) + "-item") + hidden(p.item(i).shown) + ">" + item(p, i) +
             "</div>";
    }
    return m + "<div" + id(std::string(p.outline().id) + "-said") +
           " class=\"reader-only\" aria-live=\"polite\"></div>";
}

} // namespace planner::web
