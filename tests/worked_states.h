// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's worked figures, shared by the tests of the handlers and of
// every view: what the window shows after its three scroll bars have been
// moved from start-up (1200 MHz, 10 in, depth 20) to the given values; and
// what every view must do alike: where controls stand and the steps of the
// bars. Every figure was worked out by hand; none comes from
// the code under test. Plain C++, so a test built without Qt can use it too.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace worked {

struct Shown {
    std::string_view control; // a lone control, or "label8(5)"
    std::string_view caption;
};

struct State {
    std::string_view name;
    int freq, diam, depth; // the scroll bars' values
    std::vector<Shown> shown;
    std::vector<std::pair<int, float>> bars; // label7 member, height in twips
    // The value of a bar by its name: at("vsbDiam") is diam.
    int at(std::string_view bar) const
    {
        return bar == "vsbFreq" ? freq : bar == "vsbDiam" ? diam : depth;
    }
};

// clang-format off
inline const std::vector<State> states = {
    {"start-up", 1200, 10, 20,
     {{"lblFreq", "1200"}, {"lblDiam", "10"}, {"Label9", "254"}, {"lblGain", "5"},
      {"lblDepth", "2"}, {"Label10", "50.8"}, {"lblFlen", "3.13"}, {"Label11", "79.502"},
      {"lblFdr", "0.31"}, {"label8(0)", "0"}, {"label8(5)", "2.02"}, {"label8(6)", ""},
      {"label7(5)", "5"}},
     {{0, 0.0f}, {5, 2016.129f}, {6, 0.0f}}},
    {"diameter 11", 1200, 11, 20,
     {{"lblDiam", "11"}, {"Label9", "279.4"}, {"lblGain", "6"}, {"lblDepth", "2"},
      {"Label10", "50.8"}, {"lblFlen", "3.78"}, {"Label11", "96.012"}, {"lblFdr", "0.34"},
      {"label8(5)", "1.67"}, {"label8(6)", ""}}, // 25 / (44 * 0.34): members 0 to 5
     {{5, 1671.123f}, {6, 0.0f}}},
    {"frequency 1300", 1300, 10, 20,
     {{"lblFreq", "1300"}, {"lblGain", "5"}, {"lblFlen", "3.13"}, {"Label9", "254"},
      {"Label10", "50.8"}, {"label8(5)", "2.02"}}, {}},
    {"depth 2.3", 1200, 10, 23,
     {{"lblDepth", "2.3"}, {"Label10", "58.42"}, {"lblFlen", "2.72"}, {"Label11", "69.088"},
      {"lblFdr", "0.27"}, {"lblGain", "5"}, {"lblDiam", "10"}, {"Label9", "254"}}, {}},
    {"depth read as shown", 1200, 17, 17,
     {{"lblDepth", "1.7"}, {"lblFlen", "10.63"}, {"Label11", "270.002"}, {"lblFdr", "0.63"}}, {}},
    {"F/D from the focal length shown", 1200, 11, 25, {{"lblFlen", "3.03"}, {"lblFdr", "0.28"}}, {}},
    {"0.145 lies below the half", 1200, 10, 43, {{"lblFlen", "1.45"}, {"lblFdr", "0.14"}}, {}},
    {"smallest ratio", 1200, 10, 50,
     {{"lblDepth", "5"}, {"Label10", "127"}, {"lblFlen", "1.25"}, {"Label11", "31.75"},
      {"lblFdr", "0.13"}}, {}},
    {"largest ratio and gain", 10000, 40, 10,
     {{"Label9", "1016"}, {"lblDepth", "1"}, {"Label10", "25.4"}, {"lblFlen", "100"},
      {"Label11", "2540"}, {"lblFdr", "2.5"}, {"lblGain", "5659"}, {"label8(1)", "0"},
      {"label8(20)", "1"}, {"label7(20)", "20"}},
     {{1, 2.5f}, {20, 1000.0f}}},
    {"pi is 3.14159", 1716, 24, 20,
     {{"lblGain", "59"}, {"lblFlen", "18"}, {"Label11", "457.2"}, {"lblFdr", "0.75"},
      {"label8(1)", "0.01"}, {"label8(12)", "2"}, {"label8(13)", ""}},
     {{1, 13.888889f}, {12, 2000.0f}, {13, 0.0f}}},
    {"24 inches at 2400 MHz", 2400, 24, 30,
     {{"lblGain", "117"}, {"Label9", "609.6"}, {"lblDepth", "3"}, {"Label10", "76.2"},
      {"lblFlen", "12"}, {"Label11", "304.8"}, {"lblFdr", "0.5"}, {"label8(3)", "0.19"},
      {"label8(12)", "3"}},
     {{12, 3000.0f}}},
    {"deepest largest dish", 1200, 40, 50,
     {{"lblGain", "81"}, {"lblFlen", "20"}, {"Label11", "508"}, {"lblFdr", "0.5"},
      {"label8(20)", "5"}},
     {{20, 5000.0f}}},
};
// clang-format on

// The builder's template of three dishes, worked out by hand (the wavelength
// as 30000 / MHz cm, the rim angle 2 atan(D / 4f), the beamwidth 70
// wavelengths / D, the surface's RMS error for 1 dB by Ruze's rule,
// exp(-(4 pi e / wavelength)^2) = 10^-0.1, so e = 0.0382 wavelengths), with
// the marks r^2 / 4f at each inch, the sheets (a sheet's tile is 7.25 by
// 5.35 inches, half an inch of each shared with the next; the drawing
// spans the radius and three quarters of an inch, and the rim's depth and
// an inch), whether the focal point is on them, and whether the window's
// profile, from the rounded F/D ratio, shows other figures.
struct Template {
    int freq, diam, depth;
    std::vector<std::string_view> figures, marks;
    int sheets;
    bool focalPointOnSheets, differsFromProfile;
};
// clang-format off
inline const std::vector<Template> templates = {
    {2400, 24, 30, {"2400 MHz", "24 in (609.6 mm)", "3 in (76.2 mm)", "12 in (304.8 mm)", "0.5",
      "117 (20.7 dBi)", "125 mm (4.92 in)", "53.1\u00b0", "about 14.4\u00b0", "4.8 mm (0.19 in) RMS"},
     {"0", "0.02", "0.08", "0.19", "0.33", "0.52", "0.75", "1.02", "1.33", "1.69", "2.08", "2.52", "3"},
     2, false, false}, // 12.75 in across; 12 in up is beyond 5.35 - 0.5
    {1296, 10, 43, {"1296 MHz", "10 in (254 mm)", "4.3 in (109.22 mm)", "1.45 in (36.83 mm)", "0.14",
      "5 (7 dBi)", "231.5 mm (9.11 in)", "119.8\u00b0", "about 63.8\u00b0", "8.8 mm (0.35 in) RMS"},
     {"0", "0.17", "0.69", "1.55", "2.76", "4.31"}, 1, true, true}, // the window: r^2 / 5.6, 0.18 at 1
    {10000, 40, 10, {"10000 MHz", "40 in (1016 mm)", "1 in (25.4 mm)", "100 in (2540 mm)", "2.5",
      "5659 (37.5 dBi)", "30 mm (1.18 in)", "11.4\u00b0", "about 2.1\u00b0", "1.1 mm (0.05 in) RMS"},
     {"0", "0", "0.01", "0.02", "0.04", "0.06", "0.09", "0.12", "0.16", "0.2", "0.25", "0.3",
      "0.36", "0.42", "0.49", "0.56", "0.64", "0.72", "0.81", "0.9", "1"},
     3, false, false}}; // 20.75 in across: 7.25 + 2 * 6.75
// clang-format on

// Dishes checked, worked out by hand (the least-squares fit by hand too,
// from its normal equations): what is typed in which unit (0 inches, 1
// millimetres, 2 centimetres), a round dish's rows pasted as one pair a
// line; with the window at 2400 MHz, the start of each result's value by
// its label, or the start of the one problem's sentence (and then no
// figure), and of a note. Offset: f = W^3 / 16dH, cos = W / H, the focus
// f + x^2 / 4f from the rim ends at x = (4f tan - W) / 2 and that + W.
// Round: the parabola's centre b / 2k, its depth there; the surface error
// sqrt(sum (dz cos^2(psi / 2))^2 / (N - 3)), tan(psi / 2) = r / 2f; Ruze's
// 4.343 (4 pi e / 125 mm)^2 dB, the 1 dB wavelength 4 pi e / 0.48; a
// tenth of 125 mm the roughest the rule takes (6.9 dB there); the bars D
// and D^2 / 16f.
struct Check {
    std::string_view name;
    bool offset;
    int unit;
    std::string_view diameter, pasted, width, height, depth;
    std::vector<std::pair<std::string_view, std::string_view>> results;
    std::string_view problem, note;
};
inline constexpr std::string_view onCurve =
    "0\t0\n4\t1.6667\n8\t2.6667\n12\t3\n16\t2.6667\n20\t1.6667\n24\t0\n";
inline constexpr std::string_view perturbed =
    "0\t0\n4\t1.6667\n8\t2.7667\n12\t3\n16\t2.6667\n20\t1.6667\n24\t0\n";
// clang-format off
inline const std::vector<Check> checks = {
    {"offset 460 by 500 mm, 43 deep", true, 1, "", "", "460", "500", "43",
     {{"Focal length", "282.95 mm (11.14 in)"}, {"Offset angle", "23.07\u00b0"}, {"f/W", "0.615"},
      {"Focus to the lower rim", "283.06 mm"}, {"Focus to the upper rim", "479.02 mm"}}, "", ""},
    {"the same in cm, a decimal comma", true, 2, "", "", "46", "50", "4,3",
     {{"Focal length", "28.295 cm (11.14 in)"}, {"Focus to the upper rim", "47.902 cm"}}, "", ""},
    {"round 24 in, on the curve", false, 0, "24", onCurve, "", "", "",
     {{"Focal length", "12 in (304.8 mm)"}, {"F/D ratio", "0.5"}, {"Centre along the edge", "12 in"},
      {"Depth at the centre", "3 in"}, {"Surface error, RMS", "0 in"},
      {"Feed to illuminate", "106.3\u00b0"}}, "", "The surface error is each point's depth"},
    {"the third point 0.1 in deeper", false, 0, "24", perturbed, "", "", "",
     {{"Focal length", "11.873 in (301.57 mm)"}, {"F/D ratio", "0.495"}, {"Centre along the edge", "11.979 in"},
      {"Depth at the centre", "3.029 in"}, {"Surface error, RMS", "0.0408 in (1.036 mm)"},
      {"Furthest from the curve", "point 3, 0.0714 in (1.814 mm) below it"}, {"Gain lost at 2400 MHz", "0.05 dB"},
      {"Within 1 dB up to", "about 11100 MHz"}, {"Gain at 2400 MHz", "20.6 dBi"},
      {"Nearest planner setting", "24 inches, 3.0 deep"}}, "", ""},
    {"in mm from a mark 5 m away", false, 1, "609.6",
     "5000\t0\n5101.6\t42.334\n5203.2\t70.274\n5304.8\t76.2\n5406.4\t67.734\n5508\t42.334\n5609.6\t0",
     "", "", "", {{"Focal length", "301.57 mm"}, {"Centre along the edge", "5304.26 mm"}}, "", ""},
    {"three points", false, 0, "24", "0 0\n12 3\n24 0", "", "", "",
     {{"Focal length", "12 in"}, {"Gain at 2400 MHz", "20.7 dBi"}}, "", "Three points fit"},
    {"centre 1 in off the middle", false, 0, "24", "0;0,0792\n6;2,5792\n13;3,6\n18;3,0792\n24;1,0792", "", "", "",
     {{"Centre along the edge", "13 in"}}, "", "The centre is 1 in (25.4 mm) from the middle"},
    {"beyond the planner's bars", false, 1, "1270", "0 0\n635 100\n1270 0", "", "", "",
     {{"Nearest planner setting", "none: the planner's dishes are 10 to 40 inches across"}}, "", ""},
    // 7 deep at 12 of 24: k = 7 / 144, f = 5.143, 4 atan(24 / 4f) = 197.6 degrees
    {"deeper than its focus", false, 0, "24", "0 0\n12 7\n24 0", "", "", "",
     {{"F/D ratio", "0.214"}, {"Feed to illuminate", "197.6\u00b0"}}, "", "Three points fit"},
    // residuals 0.14, -0.57, 0.86, -0.57, 0.14 in: 21.05 mm RMS, over 12.5 mm
    {"too rough for the band", false, 0, "24", "0 0\n6 1\n12 3\n18 1\n24 0", "", "", "",
     {{"Gain lost at 2400 MHz", "over 6.9 dB: the surface is too rough for 2400 MHz"},
      {"Within 1 dB up to", "below 1000 MHz"}}, "", ""},
    {"not a number", false, 0, "24x", onCurve, "", "", "", {}, "Diameter, rim to rim: \u201c24x\u201d is not a number", ""},
    {"an invisible mark before it", false, 0, "\xEF\xBB\xBF" "24", onCurve, "", "", "", {{"Focal length", "12 in"}}, "", ""},
    {"a diameter of 0", false, 0, "0", onCurve, "", "", "", {}, "Diameter, rim to rim: must be more than 0.", ""},
    {"a depth below 0", false, 0, "24", "0 0\n4 -1\n24 0", "", "", "", {}, "Depth 2: below 0", ""},
    {"two positions", false, 0, "24", "0 0\n12 3\n12 3.1\n0 0", "", "", "", {}, "Measurements: measure at least 3 different", ""},
    {"curving the wrong way", false, 0, "24", "0 3\n12 0\n24 3", "", "", "", {}, "Measurements: these depths curve the wrong way", ""},
    {"flat", false, 0, "24", "0 1\n12 1\n24 1", "", "", "", {}, "Measurements: these depths hardly curve", ""},
    {"the centre beyond the positions", false, 0, "24", "0 0\n4 1.6667\n8 2.6667", "", "", "", {},
     "Measurements: the curve's lowest point falls outside", ""},
    // 6 deep at 5 of 10: k = 0.24, f = 1.042, F/D 0.104
    {"deeper than half its diameter", false, 0, "10", "0 0\n5 6\n10 0", "", "", "", {},
     "Measurements: these depths give a dish deeper than half its diameter", ""},
    {"a span past the rim", false, 0, "20", "0 0\n15 3\n30 0", "", "", "", {},
     "Measurements: the positions span 30 in, more than the diameter of 20 in", ""},
    {"the middle alone", false, 0, "24", "8 0\n12 0.3\n16 0", "", "", "", {},
     "Measurements: the positions span only 8 in of the 24 in diameter", ""},
    {"over ten metres", false, 1, "20000", onCurve, "", "", "", {}, "Diameter, rim to rim: over ten metres", ""},
    {"beyond the doubles", false, 0, "1e400", onCurve, "", "", "", {}, "Diameter, rim to rim: over ten metres", ""},
    {"a blank height", true, 1, "", "", "460", "", "43", {}, "Height, along the long axis: type a number.", ""},
    {"wider than high", true, 1, "", "", "500", "460", "43", {}, "Width, across: more than the height", ""},
    {"a negative width", true, 1, "", "", "-460", "500", "43", {}, "Width, across: must be more than 0.", ""},
    // f = 460^3 / (16 200 500) = 60.8 mm, f/W 0.13
    {"an offset dish too deep", true, 1, "", "", "460", "500", "200", {}, "Greatest depth: so deep a dish", ""}};
// clang-format on

// Texts pasted into the rows, as spreadsheets, notebooks and the web
// write them, with the rows they give, or the start of the sentence that
// says why none was taken (from the first row, which takes 100).
struct Paste {
    std::string_view name, text;
    std::vector<std::vector<std::string>> rows;
    std::string_view problem;
};
// clang-format off
inline const std::vector<Paste> pastes = {
    {"a heading, CR LF, a blank line", "x  depth\r\n\r\n12.5\t3.1\r\n", {{"x", "depth"}, {"12.5", "3.1"}}, ""},
    {"semicolons, decimal commas", "12,5;3,1\n13;3", {{"12,5", "3,1"}, {"13", "3"}}, ""},
    {"commas, decimal points", "12.5,3.1\n12.5, 3.1", {{"12.5", "3.1"}, {"12.5", "3.1"}}, ""},
    {"blanks, decimal commas", "12,5 3,1\n 7  8 ", {{"12,5", "3,1"}, {"7", "8"}}, ""},
    {"empty cells keep their column", "\t3.1\n4\t\n5;;\n;6", {{"", "3.1"}, {"4", ""}, {"5", ""}, {"", "6"}}, ""},
    {"CR alone", "1\t2\r3\t4\r", {{"1", "2"}, {"3", "4"}}, ""},
    {"Unicode's line and paragraph separators, NEL", "1\t2\xE2\x80\xA8" "3\t4\xE2\x80\xA9" "5\t6\xC2\x85" "7\t8",
     {{"1", "2"}, {"3", "4"}, {"5", "6"}, {"7", "8"}}, ""},
    {"a byte-order mark, a no-break space", "\xEF\xBB\xBF" "1\t2\n3\xC2\xA0" "4", {{"1", "2"}, {"3", "4"}}, ""},
    {"blanks about tabbed fields, a blank before a comma", "4 \t 5 \n12.5 ,3.1", {{"4", "5"}, {"12.5", "3.1"}}, ""},
    {"a lone figure a line: its position", "7\n8", {{"7", ""}, {"8", ""}}, ""},
    {"one line, its pair apart by blanks", "12 3", {{"12", "3"}}, ""},
    {"more rows than the form opens with", "1 1\n2 2\n3 3\n4 4\n5 5\n6 6\n7 7\n8 8\n9 9",
     {{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}, {"5", "5"}, {"6", "6"}, {"7", "7"}, {"8", "8"}, {"9", "9"}}, ""},
    {"a field of blanks is empty", "1;  ;2", {}, "Measurements: line 1 has a column more, \u201c2\u201d"},
    {"a third column", "0\t0\n1\t0\t0.5\n", {}, "Measurements: line 2 has a column more, \u201c0.5\u201d"},
    {"more rows than the form takes", "", {}, "Measurements: the text holds 101 rows, and from here the form takes 100"}};
// clang-format on

// A few controls' places in pixels at 96 dpi (15 twips a pixel): name, x,
// y, width, height.
// clang-format off
inline constexpr std::tuple<std::string_view, int, int, int, int> spots[] = {
    {"Label5", 288, 8, 49, 25},   {"lblFreq", 16, 48, 49, 17},      {"vsbDiam", 96, 88, 17, 121},
    {"cmdExit", 512, 24, 73, 25}, {"label8(20)", 648, 224, 23, 17},
    {"label7(3)", 104, 248, 23, 48}}; // 0.73 inches deep at start-up
// clang-format on

// What a screen reader gets of a few controls at start-up: the name (the
// caption in its meaning), the text (the caption exactly, blanks kept),
// and whether it is off the screen for readers (no bar drawn, or beyond
// the rim).
// clang-format off
inline constexpr struct { std::string_view control, name, text; bool hidden; } readAs[] = {
    {"Label5", "   Depth   in ins.", "   Depth   in ins.", false},
    {"lblFlen", "Focal length 3.13 inches", "3.13", false},
    {"label8(1)", "at 1 inch, 0.08 deep", "0.08", false},
    {"label8(6)", "at 6 inches,  deep", "", true},
    {"label7(0)", "bar at 0 inches", "0", true},
    {"label7(5)", "bar at 5 inches", "5", false},
    {"label7(6)", "bar at 6 inches", "7", true}};
// clang-format on

// The three bars, each with the figure that shows where it stands.
inline constexpr struct {
    std::string_view bar, figure;
} bars[] = {{"vsbFreq", "lblFreq"}, {"vsbDiam", "lblDiam"}, {"vsbDepth", "lblDepth"}};

// A user's way along a bar: so many pages, then so many arrow steps. A page
// is 100 MHz, 1 inch or 0.1 inch, an arrow step 1 MHz, 1 inch or 0.1 inch;
// where the two are alike, half the way goes by each.
struct Moves {
    int pages, lines;
    bool down; // towards larger values
};
inline Moves moves(std::string_view bar, int from, int to)
{
    const int page = bar == "vsbFreq" ? 100 : 1, way = to > from ? to - from : from - to;
    const int pages = way / (page == 1 ? 2 : page);
    return {pages, way - pages * page, to > from};
}

} // namespace worked
