// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's worked figures, shared by the tests of the handlers and of
// every view: what the window shows after its three scroll bars have been
// moved from start-up (1200 MHz, 10 in, depth 20) to the given values; and
// what every view must do alike: where controls stand and the steps of the
// bars. Every figure was worked out by hand; none comes from
// the code under test. Plain C++, so a test built without Qt can use it too.
#pragma once

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
      {"Label10", "50.8"}, {"lblFlen", "3.78"}, {"Label11", "96.012"}, {"lblFdr", "0.34"}}, {}},
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

// A few controls' places in pixels at 96 dpi (15 twips a pixel): name, x,
// y, width, height.
// clang-format off
inline constexpr std::tuple<std::string_view, int, int, int, int> spots[] = {
    {"Label5", 288, 8, 49, 25},   {"lblFreq", 16, 48, 49, 17},      {"vsbDiam", 96, 88, 17, 121},
    {"cmdExit", 512, 24, 73, 25}, {"label8(20)", 648, 224, 23, 17},
    {"label7(3)", 104, 248, 23, 48}}; // 0.73 inches deep at start-up
// clang-format on

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
