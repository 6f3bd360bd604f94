#include "window/design.h"

namespace planner {

namespace {

constexpr ControlDesign heading(std::string_view name, Rect r, std::string_view caption)
{
    return {Kind::Label, name, -1, r, caption, {}, Font::Default, false, Align::Center, {}, {}};
}

constexpr ControlDesign figure(std::string_view name, Rect r, Font font, std::string_view caption,
                               std::string_view tooltip = {})
{
    return {Kind::Label, name, -1, r, caption, tooltip, font, true, Align::Center, {}, {}};
}

constexpr ControlDesign scrollBar(std::string_view name, int left, ScrollSettings s)
{
    return {Kind::ScrollBar, name, -1, {left, 1320, 255, 1815}, {}, {}, Font::Default, false,
            Align::Left,     {},   s};
}

constexpr std::array<std::string_view, arrayMembers> barCaptions = {
    "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11",
    "12", "13", "14", "15", "16", "17", "18", "19", "20", ""};

constexpr int memberLeft(int i)
{
    return 120 + 480 * i;
}

constexpr ControlDesign profileFigure(int i)
{
    std::string_view tooltip;
    if (i == 0)
        tooltip = "Centre of dish only Radius dimentions shown shown ";
    else if (i == 5)
        tooltip = "One inch or 25.4 mm. appart";
    return {Kind::Label,
            "label8",
            i,
            {memberLeft(i), 3360, 345, 255},
            "",
            tooltip,
            Font::Default,
            false,
            Align::Left,
            {},
            {}};
}

constexpr ControlDesign profileBar(int i)
{
    const bool left = i == 15 || i == 18 || i == 19 || i == 20;
    return {Kind::Label, "label7",      i,     {memberLeft(i), 3720, 345, 15},     barCaptions[i],
            {},          Font::Default, false, left ? Align::Left : Align::Center, 0x00FFFF,
            {}};
}

constexpr auto makeTable()
{
    std::array<ControlDesign, loneControls + 2 * arrayMembers> t = {{
        heading("Label1", {240, 120, 855, 375}, "Frequency mhz."),
        heading("Label2", {1200, 120, 735, 375}, "Diameter in ins."),
        heading("Label3", {2160, 120, 855, 375}, "F/D Ratio"),
        heading("Label4", {3120, 120, 855, 375}, "Gain"),
        heading("Label5", {4320, 120, 735, 375}, "   Depth   in ins."),
        heading("Label6", {5280, 120, 855, 495}, "Focal Length"),
        figure("lblFreq", {240, 720, 735, 255}, Font::Bold, "1200"),
        figure("lblDiam", {1320, 600, 615, 255}, Font::Bold, "10"),
        figure("lblFdr", {2280, 600, 615, 255}, Font::Bold, ".49"),
        figure("lblGain", {3120, 600, 855, 255}, Font::Bold, "11"),
        figure("lblDepth", {4200, 600, 855, 255}, Font::Bold, "5"),
        figure("lblFlen", {5280, 600, 855, 255}, Font::Bold, "7.4"),
        figure("Label9", {1320, 960, 615, 255}, Font::Default, "254", "Diameter in millimeters"),
        figure("Label10", {4200, 960, 855, 255}, Font::Default, "127", "Depth in Millimeters"),
        figure("Label11", {5280, 960, 855, 255}, Font::Default, "197.96",
               "Focal length in Millimeters"),
        scrollBar("vsbFreq", 480, {1200, 10000, 1200, 1, 100}),
        scrollBar("vsbDiam", 1440, {10, 40, 10, 1, 1}),
        scrollBar("vsbDepth", 4440, {10, 50, 20, 1, 1}),
        {Kind::Button,
         "cmdExit",
         -1,
         {7680, 360, 1095, 375},
         "E&xit",
         {},
         Font::Default,
         false,
         Align::Center,
         {},
         {}},
    }};
    for (int i = 0; i < arrayMembers; ++i) {
        t[row(LabelArray::label8, i)] = profileFigure(i);
        t[row(LabelArray::label7, i)] = profileBar(i);
    }
    return t;
}

constexpr auto table = makeTable();

} // namespace

const std::array<ControlDesign, loneControls + 2 * arrayMembers>& designTable()
{
    return table;
}

std::optional<Ctl> ctlNamed(std::string_view name)
{
    for (int i = 0; i < loneControls; ++i)
        if (table[i].name == name)
            return Ctl(i);
    return std::nullopt;
}

} // namespace planner
