// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/check_form.h"
#include "window/web/check_page.h"
#include "window/web/markup.h"

namespace planner::web::check {

namespace {

std::string id(std::string_view name)
{
    return " id=\"" + std::string(name) + "\"";
}

// A number field: the keyboard for decimals on a phone, no autocorrection.
std::string field(std::string_view name, std::string_view label)
{
    return "<p><label for=\"" + std::string(name) + "\">" + escaped(label) + "</label> <input" +
           id(name) + " inputmode=\"decimal\" autocomplete=\"off\" spellcheck=\"false\"></p>";
}

std::string shapesMarkup()
{
    std::string m = "<fieldset><legend>" + escaped(shapeLabel) + "</legend>";
    for (int s = 0; s < 2; ++s)
        m += "<label><input type=\"radio\" name=\"" + std::string(shapes) + "\"" +
             id(shapeButton[s]) + (s ? "" : " checked") + "> " + escaped(shapeNames[s]) +
             "</label>";
    m += "</fieldset><p><label for=\"" + std::string(unit) + "\">" + escaped(unitLabel) +
         "</label> <select" + id(unit) + ">";
    for (std::string_view u : unitNames)
        m += "<option>" + escaped(u) + "</option>";
    return m + "</select></p>";
}

} // namespace

std::string rowMarkup(int r)
{
    std::string m = "<tr><th>" + std::to_string(r + 1) + "</th>";
    for (const Field f : {Field::Position, Field::Depth})
        m += "<td><input inputmode=\"decimal\" autocomplete=\"off\" aria-label=\"" +
             escaped(fieldLabel(f, r)) + "\" data-row=\"" + std::to_string(r) + "\"></td>";
    return m + "</tr>";
}

std::string checkMarkup()
{
    std::string m = "<h2>" + escaped(checkTitle) + "</h2>" + shapesMarkup();
    for (int s = 0; s < 2; ++s)
        m += "<p" + id(howTo[s]) + (s ? " hidden" : "") + ">" + escaped(howToMeasure[s]) + "</p>";
    m += "<div" + id(shapeFields[0]) + ">" +
         field(loneField[int(Field::Diameter)], fieldLabel(Field::Diameter)) +
         "<table><thead><tr><td></td>";
    for (std::string_view h : rowHeadings)
        m += "<th>" + escaped(h) + "</th>";
    m += "</tr></thead><tbody" + id(rows) + ">";
    for (int r = 0; r < firstRows; ++r)
        m += rowMarkup(r);
    m += "</tbody></table><p><button type=\"button\"" + id(add) + ">" + escaped(addRowCaption) +
         "</button></p></div><div" + id(shapeFields[1]) + " hidden>";
    for (const Field f : {Field::Width, Field::Height, Field::OffsetDepth})
        m += field(loneField[int(f)], fieldLabel(f));
    return m + "</div><div" + id(problems) + "></div><h3>" + escaped(resultsHeading) + "</h3><dl" +
           id(results) + "></dl><p" + id(notes) + "></p><p><button type=\"button\"" + id(set) +
           " hidden></button></p><div" + id(said) +
           " class=\"reader-only\" aria-live=\"polite\"></div>";
}

} // namespace planner::web::check
