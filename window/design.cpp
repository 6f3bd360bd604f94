// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/design.h"

#include <string>

namespace planner {

namespace {

constexpr ControlDesign heading(Ctl c, Rect twips, std::string_view caption)
{
    return {.name = nameOf(c), .twips = twips, .caption = caption, .align = Align::Center};
}

// A figure in a thin frame, centred; the design-time caption is a
// placeholder that Form_Load overwrites (all but lblFreq's "1200").
constexpr ControlDesign figure(Ctl c, Rect twips, Font font, std::string_view caption,
                               std::string_view meaning, std::string_view tooltip = {})
{
    return {.name = nameOf(c),
            .twips = twips,
            .caption = caption,
            .tooltip = tooltip,
            .font = font,
            .border = true,
            .align = Align::Center,
            .meaning = meaning};
}

constexpr ControlDesign scrollBar(Ctl c, int left, ScrollSettings scroll, std::string_view meaning)
{
    return {.kind = Kind::ScrollBar,
            .name = nameOf(c),
            .twips = {left, 1320, 255, 1815},
            .scroll = scroll,
            .meaning = meaning};
}

constexpr int memberLeft(int i)
{
    return 120 + 480 * i;
}

constexpr ControlDesign profileFigure(int i)
{
    return {.name = "label8",
            .index = i,
            .twips = {memberLeft(i), 3360, 345, 255},
            .tooltip = i == 0   ? "Centre of dish only Radius dimentions shown shown "
                       : i == 5 ? "One inch or 25.4 mm. appart"
                                : "",
            .meaning = "at {r}, {} deep"};
}

// Design-time captions "1" to "20" on members 0 to 19 and none on 20; the
// profile replaces them before the window is first shown.
constexpr std::array<std::string_view, arrayMembers> barCaptions = {
    "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11",
    "12", "13", "14", "15", "16", "17", "18", "19", "20", ""};

constexpr ControlDesign profileBar(int i)
{
    const bool left = i == 15 || i == 18 || i == 19 || i == 20;
    return {.name = "label7",
            .index = i,
            .twips = {memberLeft(i), 3720, 345, 15},
            .caption = barCaptions[i],
            .align = left ? Align::Left : Align::Center,
            .backColor = 0x00FFFF,
            .meaning = "bar at {r}"};
}

constexpr DesignTable makeTable()
{
    DesignTable t = {{
        heading(Ctl::Label1, {240, 120, 855, 375}, "Frequency mhz."),
        heading(Ctl::Label2, {1200, 120, 735, 375}, "Diameter in ins."),
        heading(Ctl::Label3, {2160, 120, 855, 375}, "F/D Ratio"),
        heading(Ctl::Label4, {3120, 120, 855, 375}, "Gain"),
        heading(Ctl::Label5, {4320, 120, 735, 375}, "   Depth   in ins."),
        heading(Ctl::Label6, {5280, 120, 855, 495}, "Focal Length"),
        figure(Ctl::lblFreq, {240, 720, 735, 255}, Font::Bold, "1200", "Frequency {} MHz"),
        figure(Ctl::lblDiam, {1320, 600, 615, 255}, Font::Bold, "10", "Diameter {} inches"),
        figure(Ctl::lblFdr, {2280, 600, 615, 255}, Font::Bold, ".49", "F/D ratio {}"),
        figure(Ctl::lblGain, {3120, 600, 855, 255}, Font::Bold, "11", "Gain {} times"),
        figure(Ctl::lblDepth, {4200, 600, 855, 255}, Font::Bold, "5", "Depth {} inches"),
        figure(Ctl::lblFlen, {5280, 600, 855, 255}, Font::Bold, "7.4", "Focal length {} inches"),
        figure(Ctl::Label9, {1320, 960, 615, 255}, Font::Default, "254", "Diameter {} millimetres",
               "Diameter in millimeters"),
        figure(Ctl::Label10, {4200, 960, 855, 255}, Font::Default, "127", "Depth {} millimetres",
               "Depth in Millimeters"),
        figure(Ctl::Label11, {5280, 960, 855, 255}, Font::Default, "197.96",
               "Focal length {} millimetres", "Focal length in Millimeters"),
        scrollBar(Ctl::vsbFreq, 480, {1200, 10000, 1200, 1, 100}, "Frequency in MHz"),
        scrollBar(Ctl::vsbDiam, 1440, {10, 40, 10, 1, 1}, "Diameter in inches"),
        scrollBar(Ctl::vsbDepth, 4440, {10, 50, 20, 1, 1}, "Depth in tenths of an inch"),
        {.kind = Kind::Button,
         .name = nameOf(Ctl::cmdExit),
         .twips = {7680, 360, 1095, 375},
         .caption = "E&xit",
         .align = Align::Center},
    }};
    for (int i = 0; i < arrayMembers; ++i) {
        t[row(LabelArray::label8, i)] = profileFigure(i);
        t[row(LabelArray::label7, i)] = profileBar(i);
    }
    return t;
}

constexpr DesignTable table = makeTable();

constexpr FontDesign fonts[] = {
    {{"MS Shell Dlg 2", "Liberation Sans", "Arial", "Helvetica"}, 160, 400},
    {{"MS Sans Serif", "Liberation Sans", "Arial", "Helvetica"}, 195, 700},
    {{"Liberation Sans", "Arial", "Helvetica"}, 240, 400},
};
static_assert(std::size(fonts) == static_cast<std::size_t>(Font::Print) + 1);

// Every row stands where the enums say, each lone control named as its
// Ctl, each member in its array; and every control fits the window.
constexpr bool rowsInPlace()
{
    for (int i = 0; i < controlCount; ++i) {
        const ControlDesign& d = table[i];
        const bool lone = i < loneControls;
        const int member = lone ? -1 : (i - loneControls) % arrayMembers;
        const auto array = lone                             ? std::string_view{}
                           : i < row(LabelArray::label7, 0) ? std::string_view{"label8"}
                                                            : std::string_view{"label7"};
        if (d.index != member || d.name != (lone ? nameOf(Ctl(i)) : array))
            return false;
        if (d.twips.left < 0 || d.twips.left + d.twips.width > clientWidth)
            return false;
    }
    return true;
}
static_assert(rowsInPlace());
static_assert(table[row(Ctl::vsbFreq)].kind == Kind::ScrollBar &&
              table[row(Ctl::vsbDiam)].kind == Kind::ScrollBar &&
              table[row(Ctl::vsbDepth)].kind == Kind::ScrollBar &&
              table[row(Ctl::cmdExit)].kind == Kind::Button);

constexpr bool scrollBarsStartInRange()
{
    for (const ControlDesign& d : table) {
        const ScrollSettings& s = d.scroll;
        if (d.kind == Kind::ScrollBar &&
            (s.min > s.value || s.value > s.max || s.smallChange < 1 || s.largeChange < 1))
            return false;
    }
    return true;
}
static_assert(scrollBarsStartInRange());

// What takes the focus is what the Tab order names: the bars and Exit.
constexpr bool tabOrderComplete()
{
    int focusable = 0;
    for (const ControlDesign& d : table)
        focusable += d.kind != Kind::Label;
    for (std::size_t i = 0; i < tabOrder.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (tabOrder[i] == tabOrder[j] || table[row(tabOrder[i])].kind == Kind::Label)
                return false;
    return focusable == int(tabOrder.size());
}
static_assert(tabOrderComplete());

constexpr bool isHeading(const ControlDesign& d)
{
    return d.kind == Kind::Label && !d.border && d.index < 0 && d.twips.top == 120;
}

constexpr std::optional<Ctl> headingAbove(int r)
{
    const ControlDesign& d = table[r];
    const int middle = d.twips.left + d.twips.width / 2;
    for (int h = 0; h < loneControls && r < loneControls && !isHeading(d); ++h) {
        const Rect& t = table[h].twips;
        if (isHeading(table[h]) && t.left <= middle && middle < t.left + t.width)
            return Ctl(h);
    }
    return std::nullopt;
}

// Every figure and every bar stands under a heading.
constexpr bool everyFigureUnderAHeading()
{
    for (int r = 0; r < loneControls; ++r)
        if (!isHeading(table[r]) && table[r].kind != Kind::Button && !headingAbove(r))
            return false;
    return !headingAbove(row(Ctl::cmdExit));
}
static_assert(everyFigureUnderAHeading());

} // namespace

const DesignTable& designTable()
{
    return table;
}

const FontDesign& fontOf(Font f)
{
    return fonts[static_cast<int>(f)];
}

std::optional<Ctl> headingOf(Ctl c)
{
    return headingAbove(row(c));
}

std::string controlName(int row)
{
    const ControlDesign& d = table.at(row);
    return d.index < 0 ? std::string(d.name)
                       : std::string(d.name) + "(" + std::to_string(d.index) + ")";
}

std::optional<int> rowNamed(std::string_view name)
{
    for (int i = 0; i < controlCount; ++i)
        if (name == controlName(i))
            return i;
    return std::nullopt;
}

} // namespace planner
