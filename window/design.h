// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner window as designed: its 61 controls, one table, in twips.
// Nothing here depends on a toolkit; each view builds its controls from it.
//
// Why twips: the window was laid out in them (1440 to the inch), and the
// profile bars are sized in them (1000 twips per inch of dish depth), so
// the table keeps the designer's numbers and a view turns them into its
// pixels by toPixels (window/metrics.h) when it places a control.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "builder/check_form.h"
#include "builder/feed_form.h"
#include "calc/curve.h"

namespace planner {

inline constexpr int twipsPerInch = 1440;
inline constexpr int twipsPerPixel = twipsPerInch / 96;   // 15 at 96 dpi
inline constexpr int clientWidth = 11880;                 // 792 pixels
inline constexpr int clientHeight = 8595;                 // 573 pixels
inline constexpr int arrayMembers = calc::profileMembers; // label7 and label8, each

enum class Kind : std::uint8_t { Label, ScrollBar, Button };
enum class Align : std::uint8_t { Left, Center };
enum class Font : std::uint8_t { Default, Bold, Print };

// A font as the design gives it: the faces to try, first that exists;
// its size in twips (20 to a point); its weight (400 normal, 700 bold).
struct FontDesign {
    std::array<std::string_view, 4> faces;
    int twips;
    int weight;
    constexpr double points() const { return twips / 20.0; }
};

// The window's default font, 8 pt, the size with which every heading fits
// its label; and the figures' bold one, "MS Sans Serif" 9.75 pt, weight
// 700. Liberation Sans (Arial's metrics) and the like stand in where the
// design's face is missing. Example: fontOf(Font::Bold) is 195 twips, 13
// pixels at 96 dpi. Font::Print is what the builder's template is printed
// in, Liberation Sans or Arial, at the size each of its texts gives (its
// own size is the template button's on the web page, 12 points).
const FontDesign& fontOf(Font f);

struct Rect {
    int left = 0, top = 0, width = 0, height = 0; // twips
};

struct ScrollSettings {
    std::int16_t min = 0, max = 0, value = 0, smallChange = 0, largeChange = 0;
};

struct ControlDesign {
    Kind kind = Kind::Label;
    std::string_view name;
    int index = -1; // member index in a control array, -1 for a lone control
    Rect twips;
    std::string_view caption;
    std::string_view tooltip;
    Font font = Font::Default;
    bool border = false; // fixed single: a thin frame
    Align align = Align::Left;
    std::optional<std::uint32_t> backColor; // 0xRRGGBB; none: the face colour
    ScrollSettings scroll;
    // What a screen reader says for the control: a scroll bar's name, or a
    // label's spoken form, in which "{}" stands for its caption and "{r}"
    // for an array member's radius ("1 inch", "5 inches"). Empty: the
    // caption says it all.
    std::string_view meaning;
};

// The lone controls, in the order of their rows at the head of the table:
// one list, from which both their names and the Ctl enum come.
// clang-format off
#define PLANNER_LONE_CONTROLS(X) \
    X(Label1) X(Label2) X(Label3) X(Label4) X(Label5) X(Label6) \
    X(lblFreq) X(lblDiam) X(lblFdr) X(lblGain) X(lblDepth) X(lblFlen) \
    X(Label9) X(Label10) X(Label11) \
    X(vsbFreq) X(vsbDiam) X(vsbDepth) X(cmdExit)
// clang-format on

#define PLANNER_ENUMERATOR(name) name,
enum class Ctl : std::uint8_t { PLANNER_LONE_CONTROLS(PLANNER_ENUMERATOR) };
#undef PLANNER_ENUMERATOR
inline constexpr int loneControls = static_cast<int>(Ctl::cmdExit) + 1;

// The two control arrays; their members follow the lone controls.
enum class LabelArray : std::uint8_t { label8, label7 };
inline constexpr int controlCount = loneControls + 2 * arrayMembers;
static_assert(controlCount == 61);

using DesignTable = std::array<ControlDesign, controlCount>;

// The window's title, on its frame and for screen readers.
inline constexpr std::string_view windowTitle = "Parabolic dish planner: gain and profile";

// The controls that take the keyboard focus, in the order Tab moves it; the
// window opens with the focus on the first, and Tab from the last wraps.
inline constexpr std::array<Ctl, 4> tabOrder = {Ctl::vsbFreq, Ctl::vsbDiam, Ctl::cmdExit,
                                                Ctl::vsbDepth};

// What the desktop views offer beyond the 61 controls: in a context menu
// on the window (and in Windows' system menu), in this order, each with
// Ctrl and its key as a shortcut: the template printed, then each of the
// builder's forms (builder/forms.h) opened in a window of its own, by its
// place. Example: commandOf(Command::PrintTemplate) is "Print a full-size
// template…" on Ctrl+P; the next, "Check a dish you have…" on Ctrl+K,
// opens form 0.
enum class Command : std::uint8_t { PrintTemplate, CheckDish, MatchFeed };
struct CommandDesign {
    std::string_view caption;
    char key;      // with Ctrl
    int form = -1; // the builder's form it opens; none for the template
};
inline constexpr std::array<CommandDesign, 3> commands = {{
    {"Print a full-size template\u2026", 'P'},
    {"Check a dish you have\u2026", 'K', 0},
    {"Match a feed\u2026", 'F', 1},
}};
// Each form's window is named as its command.
static_assert(commands[1].caption.starts_with(checkTitle) &&
              commands[2].caption.starts_with(feedTitle));
constexpr const CommandDesign& commandOf(Command c)
{
    return commands[static_cast<std::size_t>(c)];
}

// All 61 controls: the 19 lone ones in Ctl order, then label8(0..20), then
// label7(0..20).
const DesignTable& designTable();

// The heading a lone control stands under, with which it forms a group:
// the unframed label in the window's top row whose columns hold the
// control's middle. None for a heading itself, for Exit and for the
// profile's members. Examples: headingOf(Ctl::Label9) is Ctl::Label2
// ("Diameter in ins."); headingOf(Ctl::vsbDepth) is Ctl::Label5.
std::optional<Ctl> headingOf(Ctl c);

// A lone control's name, as the list above spells it. Example:
// nameOf(Ctl::lblFdr) is "lblFdr".
constexpr std::string_view nameOf(Ctl c)
{
#define PLANNER_NAME(name) #name,
    constexpr std::string_view names[] = {PLANNER_LONE_CONTROLS(PLANNER_NAME)};
#undef PLANNER_NAME
    return names[static_cast<int>(c)];
}

// A caption's access key, the letter after its "&", in upper case; none
// without one. Example: accessKey("E&xit") is 'X'.
constexpr std::optional<char> accessKey(std::string_view caption)
{
    const auto amp = caption.find('&');
    if (amp == std::string_view::npos || amp + 1 >= caption.size())
        return std::nullopt;
    const char c = caption[amp + 1];
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

// The name a control goes by: a lone control's own name, an array member's
// name(index). Examples: controlName(row(Ctl::lblFdr)) is "lblFdr";
// controlName(row(LabelArray::label8, 5)) is "label8(5)".
std::string controlName(int row);

// The row of a control by the name it goes by; none for any other text.
// Example: rowNamed("label8(5)") is row(LabelArray::label8, 5).
std::optional<int> rowNamed(std::string_view name);

// The row of a control in designTable().
constexpr int row(Ctl c)
{
    return static_cast<int>(c);
}
// The row of an array member; the index must be 0 to 20 (the caller checks).
constexpr int row(LabelArray a, int index)
{
    return loneControls + static_cast<int>(a) * arrayMembers + index;
}

} // namespace planner
