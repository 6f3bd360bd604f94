// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/paste.h"

#include <algorithm>

#include "builder/figures.h"

namespace planner {

namespace {

// Unicode's marks that show nothing, its blanks and its line ends, as
// UTF-8, each with what it reads as ("" for nothing).
constexpr std::pair<std::string_view, std::string_view> unseen[] = {
    {"\xEF\xBB\xBF", ""},  {"\xE2\x80\x8B", ""},   {"\xE2\x80\x8C", ""},
    {"\xE2\x80\x8D", ""},  {"\xE2\x81\xA0", ""},   {"\xE2\x80\x8E", ""},
    {"\xE2\x80\x8F", ""},  {"\xE2\x80\xAA", ""},   {"\xE2\x80\xAB", ""},
    {"\xE2\x80\xAC", ""},  {"\xE2\x80\xAD", ""},   {"\xE2\x80\xAE", ""},
    {"\xE2\x81\xA6", ""},  {"\xE2\x81\xA7", ""},   {"\xE2\x81\xA8", ""},
    {"\xE2\x81\xA9", ""},  {"\xC2\xAD", ""},       {"\xC2\xA0", " "},
    {"\xE2\x80\x87", " "}, {"\xE2\x80\xAF", " "},  {"\xE2\x80\x89", " "},
    {"\xE2\x80\x8A", " "}, {"\xE2\x80\xA8", "\n"}, {"\xE2\x80\xA9", "\n"},
    {"\xC2\x85", "\n"},    {"\r\n", "\n"},         {"\r", "\n"}};

bool blankChar(char c)
{
    return c == ' ' || c == '\t';
}

std::string trimmed(std::string_view s)
{
    const auto from = s.find_first_not_of(' ');
    return from == std::string_view::npos
               ? std::string()
               : std::string(s.substr(from, s.find_last_not_of(' ') - from + 1));
}

// The fields apart by one character, each trimmed of blanks.
std::vector<std::string> split(std::string_view line, char apart)
{
    std::vector<std::string> fields;
    for (std::size_t at = 0;;) {
        const std::size_t next = line.find(apart, at);
        fields.push_back(trimmed(line.substr(at, next - at)));
        if (next == std::string_view::npos)
            return fields;
        at = next + 1;
    }
}

// Whether the line's commas part its fields: one stands beside a blank,
// or the line has no blank between figures.
bool commasApart(std::string_view line)
{
    for (std::size_t at = line.find(','); at != std::string_view::npos; at = line.find(',', at + 1))
        if ((at > 0 && line[at - 1] == ' ') || (at + 1 < line.size() && line[at + 1] == ' ') ||
            at == 0 || at + 1 == line.size())
            return true;
    return line.find(' ') == std::string_view::npos;
}

// A line's fields, as the header says; none for a blank line.
std::vector<std::string> fieldsOf(std::string_view line)
{
    std::string t = trimmed(line);
    if (t.empty() || std::all_of(t.begin(), t.end(), blankChar))
        return {};
    if (t.find('\t') != std::string::npos)
        return split(t, '\t');
    if (t.find(';') != std::string::npos)
        return split(t, ';');
    if (t.find(',') != std::string::npos && commasApart(t))
        return split(t, ',');
    std::vector<std::string> fields;
    for (std::size_t at = 0; at < t.size();) {
        const std::size_t end = std::min(t.find(' ', at), t.size());
        fields.push_back(t.substr(at, end - at));
        at = t.find_first_not_of(' ', end);
    }
    return fields;
}

std::string quoted(const std::string& s)
{
    return cat({"\u201c", s, "\u201d"});
}

} // namespace

std::string visibleText(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto mark = std::find_if(std::begin(unseen), std::end(unseen), [&](const auto& u) {
            return text.substr(at, u.first.size()) == u.first;
        });
        if (mark == std::end(unseen))
            s += text[at++];
        else
            s += mark->second, at += mark->first.size();
    }
    return s;
}

PastedRows pastedRows(std::string_view text, int columns, int most)
{
    PastedRows p;
    const std::string t = visibleText(text);
    int line = 0;
    for (std::size_t at = 0; at < t.size(); ++line) {
        const std::size_t end = std::min(t.find('\n', at), t.size());
        std::vector<std::string> f = fieldsOf(std::string_view(t).substr(at, end - at));
        at = end + 1;
        while (int(f.size()) > columns && f.back().empty())
            f.pop_back(); // a line's trailing separators
        if (f.empty())
            continue;
        if (int(f.size()) > columns) {
            p.rows.clear();
            p.problem =
                cat({"line ", std::to_string(line + 1), " has a column more, ", quoted(f[columns]),
                     ", and the rows take a position and a depth alone: nothing was "
                     "pasted. Copy those two columns, and paste again."});
            return p;
        }
        f.resize(columns);
        p.rows.push_back(std::move(f));
    }
    if (int(p.rows.size()) > most) {
        p.problem = cat({"the text holds ", std::to_string(p.rows.size()),
                         " rows, and from here the form takes ", std::to_string(most),
                         " more at most: nothing was pasted. Paste fewer rows, or paste from a "
                         "row nearer the top."});
        p.rows.clear();
    }
    return p;
}

bool holdsRows(std::string_view text)
{
    const std::string t = visibleText(text);
    const std::string first = trimmed(t.substr(0, t.find('\n')));
    if (t.find_first_not_of(" \t\n", std::min(t.find('\n'), t.size())) != std::string::npos)
        return true; // lines
    // One line: a pair apart by a tab, a semicolon or blanks; a lone comma
    // is a decimal comma.
    return first.find_first_of("\t; ") != std::string::npos && fieldsOf(first).size() > 1;
}

std::string copiedRows(const std::vector<std::vector<std::string>>& rows)
{
    std::string s;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            s += (i ? "\t" : "") + row[i];
        s += '\n';
    }
    return s;
}

} // namespace planner
