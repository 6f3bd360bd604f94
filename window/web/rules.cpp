// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/rules.h"

#include <algorithm>
#include <vector>

#include "window/metrics.h"
#include "window/web/bar_geometry.h"
#include "window/web/markup.h"

namespace planner::web {

namespace {

// The compact arrangement's text, half as large again as the design's;
// and the width from which its groups stand in one band.
constexpr double compactScale = 1.5;
constexpr int wideFrom = 560;
constexpr int bandRows = 4; // a heading, a figure, its millimetres, a bar
// A scroll bar's compact size, in CSS pixels: wide enough for a finger on
// each arrow and on the thumb.
constexpr int compactBarWidth = 48, compactBarLength = 240;

std::string px(double twips)
{
    return std::to_string(toLogicalPixels(twips)) + "px";
}

std::string selector(int row)
{
    return "#" + elementId(row);
}

std::string thumb(const Session& s, int r, int length, int width)
{
    const ScrollSettings& bar = designTable()[r].scroll;
    const auto g = BarGeometry::of(bar, length, width);
    return selector(r) + " .thumb { top: " + std::to_string(g.thumbTop(bar, s.value(Ctl(r)))) +
           "px; height: " + std::to_string(g.thumb) + "px; }\n";
}

// What holds in both arrangements: fonts' faces and weights (the template
// button's in the template's font), the profile
// bars' heights as CSS pixels at 96 dpi (--bar, which the view keeps up to
// date), a label's own back colour.
std::string common(const Session& s)
{
    std::string css = "#window { font-family: " + cssFamily(Font::Default) +
                      "; font-weight: " + std::to_string(fontOf(Font::Default).weight) +
                      "; }\n#print, .form { font-family: " + cssFamily(Font::Print) +
                      "; font-size: " + px(fontOf(Font::Print).twips) + "; }\n";
    for (int r = 0; r < controlCount; ++r) {
        const ControlDesign& d = designTable()[r];
        std::string rule;
        if (d.font != Font::Default)
            rule += " font-family: " + cssFamily(d.font) +
                    "; font-weight: " + std::to_string(fontOf(d.font).weight) + ";";
        if (d.kind == Kind::Label && d.index >= 0 && d.backColor)
            rule += " --bar: " + std::to_string(toLogicalPixels(s.heightTwips(r))) + ";";
        if (d.backColor)
            rule += " --back: " + colour(*d.backColor) + ";";
        if (!rule.empty())
            css += selector(r) + " {" + rule + " }\n";
    }
    return css;
}

// The window as designed: every control at its place in the design.
std::string designed(const Session& s)
{
    const int arrow = toLogicalPixels(designTable()[row(Ctl::vsbFreq)].twips.width);
    std::string css = "#window { width: " + px(clientWidth) + "; height: " + px(clientHeight) +
                      "; --arrow: " + std::to_string(arrow) +
                      "px; font-size: " + px(fontOf(Font::Default).twips) + "; }\n";
    for (int r = 0; r < controlCount; ++r) {
        const ControlDesign& d = designTable()[r];
        const bool bar = d.kind == Kind::Label && d.backColor; // its height is --bar
        css += selector(r) + " { left: " + px(d.twips.left) + "; top: " + px(d.twips.top) +
               "; width: " + px(d.twips.width) + ";" +
               (bar ? "" : " height: " + px(d.twips.height) + ";");
        if (d.font != Font::Default)
            css += " font-size: " + px(fontOf(d.font).twips) + ";";
        css += " }\n";
        if (d.kind == Kind::ScrollBar)
            css += thumb(s, r, toLogicalPixels(d.twips.height), arrow);
    }
    return css;
}

// The groups, by their headings, left to right.
std::vector<int> headings()
{
    std::vector<int> h;
    for (int r = 0; r < loneControls; ++r)
        if (!headingOf(Ctl(r)) && designTable()[r].kind == Kind::Label)
            h.push_back(r);
    return h;
}

bool hasBar(int heading)
{
    for (int r = 0; r < loneControls; ++r)
        if (designTable()[r].kind == Kind::ScrollBar && headingOf(Ctl(r)) == Ctl(heading))
            return true;
    return false;
}

// Where a group's member stands among the group's rows: the heading first,
// then its figures from the top, its bar last.
int rowInGroup(int r)
{
    const ControlDesign& d = designTable()[r];
    const auto h = headingOf(Ctl(r));
    if (!h)
        return 0;
    if (d.kind == Kind::ScrollBar)
        return bandRows - 1;
    int above = 1;
    for (int o = 0; o < loneControls; ++o)
        above += headingOf(Ctl(o)) == h && designTable()[o].kind == Kind::Label &&
                 designTable()[o].twips.top < d.twips.top;
    return above;
}

// The grid's columns and each control's cell: in one band where wide, else
// the groups with a bar in the first band and the others in the second;
// Exit after them, the profile's rows below.
std::string placed(bool wide)
{
    std::vector<int> order = headings();
    if (!wide)
        std::stable_partition(order.begin(), order.end(), hasBar);
    const int perBand =
        wide ? int(order.size()) : int(std::count_if(order.begin(), order.end(), hasBar));
    std::string css = "#window { grid-template-columns: repeat(" + std::to_string(perBand) +
                      ", minmax(0, 1fr))" + (wide ? " auto" : "") + "; }\n";
    int bands = 0;
    for (int r = 0; r < loneControls; ++r) {
        const auto h = headingOf(Ctl(r));
        const int heading = h ? row(*h) : r;
        const auto at = std::find(order.begin(), order.end(), heading) - order.begin();
        if (at == std::ssize(order))
            continue; // Exit
        const int band = int(at) / perBand, column = int(at) % perBand + 1;
        bands = std::max(bands, band + 1);
        css += selector(r) +
               " { grid-area: " + std::to_string(band * bandRows + 1 + rowInGroup(r)) + " / " +
               std::to_string(column) + "; }\n";
    }
    const int exitRow = wide ? bandRows : bands * bandRows + 1; // wide: beside the bars
    const int profile = bands * bandRows + (wide ? 1 : 2);
    css += selector(row(Ctl::cmdExit)) + " { grid-area: " + std::to_string(exitRow) + " / " +
           std::to_string(wide ? perBand + 1 : 1) + "; }\n";
    for (int i = 0; i < arrayMembers; ++i)
        css += selector(row(LabelArray::label8, i)) + ", " + selector(row(LabelArray::label7, i)) +
               " { grid-row: " + std::to_string(profile + i) + "; }\n";
    return css;
}

// The tallest profile bar that any place of the diameter and depth bars
// draws as designed, in CSS pixels (341, a rim 5.11 inches deep on an
// 18-inch dish 5 inches deep, for the F/D ratio is rounded).
int deepestBar()
{
    Session s;
    s.load();
    int deepest = 0;
    const ScrollSettings &diam = designTable()[row(Ctl::vsbDiam)].scroll,
                         &depth = designTable()[row(Ctl::vsbDepth)].scroll;
    for (int d = diam.min; d <= diam.max; ++d) {
        s.moved(Ctl::vsbDiam, std::int16_t(d));
        for (int v = depth.min; v <= depth.max; ++v) {
            s.moved(Ctl::vsbDepth, std::int16_t(v));
            for (int i = 0; i < arrayMembers; ++i)
                deepest =
                    std::max(deepest, toLogicalPixels(s.heightTwips(row(LabelArray::label7, i))));
        }
    }
    return deepest;
}

// The compact arrangement: text half as large again, bars for a finger,
// each profile row shown while its figure is, the deepest bar any setting
// draws (--deepest) across the row's free width.
std::string compact(const Session& s)
{
    std::string css = "#window { --arrow: " + std::to_string(compactBarWidth) +
                      "px; font-size: " + px(fontOf(Font::Default).twips * compactScale) +
                      "; --deepest: " + std::to_string(deepestBar()) + "; }\n" +
                      ".bar { width: " + std::to_string(compactBarWidth) +
                      "px; height: " + std::to_string(compactBarLength) + "px; }\n";
    for (int r = 0; r < controlCount; ++r) {
        const ControlDesign& d = designTable()[r];
        if (d.font != Font::Default)
            css +=
                selector(r) + " { font-size: " + px(fontOf(d.font).twips * compactScale) + "; }\n";
        if (d.kind == Kind::ScrollBar)
            css += thumb(s, r, compactBarLength, compactBarWidth);
    }
    for (int i = 0; i < arrayMembers; ++i)
        css += "#window:has(" + selector(row(LabelArray::label8, i)) + "[aria-hidden]) " +
               selector(row(LabelArray::label7, i)) + " { display: none; }\n";
    return css + placed(false) + "@media (min-width: " + std::to_string(wideFrom) + "px) {\n" +
           placed(true) + "}\n";
}

} // namespace

std::string colour(std::uint32_t rgb)
{
    constexpr const char* hex = "0123456789abcdef";
    std::string c = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        c += hex[(rgb >> shift) & 0xF];
    return c;
}

std::string cssFamily(Font f)
{
    std::string css;
    for (std::string_view face : fontOf(f).faces)
        if (!face.empty())
            css += "\"" + std::string(face) + "\", ";
    return css + "sans-serif";
}

std::string designedQuery()
{
    return "(min-width: " + px(clientWidth) + ") and (min-height: " + px(clientHeight) + ")";
}

std::string windowRules(const Session& s)
{
    return common(s) + "@media " + designedQuery() + " {\n" + designed(s) +
           "}\n@media not all and " + designedQuery() + " {\n" + compact(s) + "}\n";
}

} // namespace planner::web
