// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Rows in and out of a form, as spreadsheets and notebooks write them. A
// line is a row, whatever its line end (CR LF, LF, CR, or Unicode's line
// and paragraph separators and NEL); its fields are apart by tabs where it
// has one, else by semicolons, else by commas where a comma stands beside
// a blank or no blank is there, else by blanks. Apart by tabs, semicolons
// or commas, an empty field keeps its column. Marks that show nothing (a
// byte-order mark, zero-width spaces, direction marks) are dropped, and
// the Unicode blanks (no-break, figure, narrow) read as blanks.
//
// Examples: "0\t0\r\n4\t1,6667" is {"0", "0"}, {"4", "1,6667"};
// "12,5;3,1" is {"12,5", "3,1"}; "12.5, 3.1" and "12.5,3.1" are
// {"12.5", "3.1"}; "12,5 3,1" is {"12,5", "3,1"}; "\t3.1" is {"", "3.1"};
// "x  depth" is {"x", "depth"} (a heading, which the check then points
// at); a blank line is no row. "1\t0\t0.5" has a third column: nothing is
// taken, and the sentence names it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace planner {

struct PastedRows {
    std::vector<std::vector<std::string>> rows; // each `columns` fields wide
    std::string problem; // when not "": why nothing was taken, in one sentence
};

// The rows a text gives, each of `columns` fields, at most `most` of them.
PastedRows pastedRows(std::string_view text, int columns, int most);

// Whether a text pasted into one field is rows rather than one figure:
// it holds a line end or a field apart.
bool holdsRows(std::string_view text);

// Rows as pasting takes them in: fields apart by tabs, a row a line.
// Example: {{"0", "0"}, {"4", "1.6667"}} is "0\t0\n4\t1.6667\n".
std::string copiedRows(const std::vector<std::vector<std::string>>& rows);

// A text without the marks that show nothing, its Unicode blanks as
// spaces. Example: "\xEF\xBB\xBF" "24" is "24".
std::string visibleText(std::string_view text);

} // namespace planner
