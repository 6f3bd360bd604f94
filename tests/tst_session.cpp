// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The presenter, without a window: every worked state's figures, bars and
// what readers are told of each control; which event each bar raises and
// which rows each change hands a view; the announcements; the event
// boundary and the way out; and the two rules every view applies alike,
// the steps of a bar and twips as pixels. Built for Linux and, by
// Emscripten, for the browser, run under Node. (The worked states run
// through each view's own tests too, from the user's keys to the window.)
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>
#include <vector>

#include "builder/figures.h"
#include "builder/printer_page.h"
#include "window/metrics.h"
#include "window/scrolling.h"
#include "window/session.h"
#include "worked_states.h"

using namespace planner;

namespace {

std::string captionOf(const Session& s, std::string_view control) // "lblFdr" or "label8(5)"
{
    return s.caption(rowNamed(control).value());
}

// Loads the session and moves its bars from start-up to these values.
const Session& reach(Session& s, int freq, int diam, int depth)
{
    s.load();
    s.moved(Ctl::vsbFreq, std::int16_t(freq));
    s.moved(Ctl::vsbDiam, std::int16_t(diam));
    s.moved(Ctl::vsbDepth, std::int16_t(depth));
    return s;
}

// The lone controls among rows, by name, and whether any profile row is there.
std::string handed(const std::vector<int>& rows)
{
    std::string names;
    for (const int r : rows)
        if (r < loneControls)
            names += controlName(r) + " ";
    return names + (!rows.empty() && rows.back() >= loneControls ? "and the profile" : "");
}

// The rows whose caption or height differ between two sessions.
std::vector<int> differing(const Session& a, const Session& b)
{
    std::vector<int> rows;
    for (int r = 0; r < controlCount; ++r)
        if (a.caption(r) != b.caption(r) || a.heightTwips(r) != b.heightTwips(r))
            rows.push_back(r);
    return rows;
}

// The tables of cases, one row each.
namespace cases {
// clang-format off
// From start-up, what a view is handed (a caption written again as it was
// is no change: lblDiam and the depth stay "10" and "2" on loading), and
// what a screen reader is told: only what differs.
const struct { const char* name; Ctl bar; int value; const char *handed, *sentence; } changes[] = {
    {"loading", Ctl::cmdExit, 0, "lblFdr lblGain lblDepth lblFlen Label10 Label11 and the profile", ""},
    {"frequency 2400", Ctl::vsbFreq, 2400, "lblFreq lblGain ", "Gain 20 times."}, // 5.09 * 4
    {"frequency 1300, gain 5 still", Ctl::vsbFreq, 1300, "lblFreq ", ""},
    {"diameter 11", Ctl::vsbDiam, 11, "lblDiam lblFdr lblGain lblFlen Label9 Label11 and the profile",
     "Diameter 11 inches, 279.4 millimetres. Focal length 3.78 inches, 96.012 millimetres. F/D "
     "ratio 0.34. Gain 6 times. Rim 1.67 deep at 5 inches."},
    {"depth 2.3", Ctl::vsbDepth, 23, "lblFdr lblDepth lblFlen Label10 Label11 and the profile",
     "Depth 2.3 inches, 58.42 millimetres. Focal length 2.72 inches, 69.088 millimetres. F/D "
     "ratio 0.27. Rim 2.31 deep at 5 inches."}, // 25 / (40 * 0.27)
    {"depth where it stands", Ctl::vsbDepth, 20, "", ""},
    {"Exit is no bar", Ctl::cmdExit, 30, "", ""},
    {"a figure is no bar", Ctl::lblDiam, 30, "", ""}};

// A run-time error stops its handler only: the captions written before it
// stay, and one line names it. Values beyond the bars' ranges reach them.
const struct { const char* name; Ctl bar; int value; const char* line; std::vector<worked::Shown> shown; } errors[] = {
    {"frequency 0", Ctl::vsbFreq, 0, "vsbFreq_Change: Run-time error 11: Division by zero",
     {{"lblFreq", "0"}, {"lblGain", "5"}, {"label8(5)", "2.02"}}},
    {"depth 0", Ctl::vsbDepth, 0, "vsbDepth_Change: Run-time error 11: Division by zero",
     {{"lblDepth", "0"}, {"Label10", "0"}, {"lblFlen", "3.13"}, {"lblFdr", "0.31"}, {"label8(5)", "2.02"}}},
    {"diameter 0", Ctl::vsbDiam, 0, "vsbDiam_Change: Run-time error 5: Invalid operation",
     {{"lblDiam", "0"}, {"Label9", "0"}, {"lblGain", "0"}, {"lblFlen", "0"}, {"lblFdr", "0.31"}}},
    // 1764 / 32 = 55.125; 55.13 / 42 = 1.31; r = 20: 400 / (168 * 1.31).
    {"diameter 42", Ctl::vsbDiam, 42, "vsbDiam_Change: Run-time error 9: Subscript out of range",
     {{"Label11", "1400.302"}, {"lblFdr", "1.31"}, {"label8(20)", "1.82"}, {"lblFreq", "1200"}}}};

// Whatever stops a handler gives one line with the handler's name.
const struct { const char* name; std::exception_ptr error; Event e; const char* line; } failures[] = {
    {"run-time error", std::make_exception_ptr(rt::RuntimeError(rt::ErrorCode::Overflow)),
     Event::Load, "Form_Load: Run-time error 6: Overflow"},
    {"out of memory", std::make_exception_ptr(std::bad_alloc()), Event::DepthChange,
     "vsbDepth_Change: std::bad_alloc"},
    {"a library's error", std::make_exception_ptr(std::out_of_range("array::at: 61 >= 61")),
     Event::FreqChange, "vsbFreq_Change: array::at: 61 >= 61"},
    {"not a std::exception", std::make_exception_ptr(42), Event::ExitClick,
     "cmdExit_Click: an exception of unknown type"}};

const ScrollSettings freq = designTable()[row(Ctl::vsbFreq)].scroll;
const ScrollSettings diam = designTable()[row(Ctl::vsbDiam)].scroll;
const struct { const char* name; ScrollSettings bar; int now; ScrollMove move; int thumb, next; } moves[] = {
    {"arrow down", freq, 1200, ScrollMove::LineDown, 0, 1201},
    {"arrow up at the top", freq, 1200, ScrollMove::LineUp, 0, 1200},
    {"arrow up", freq, 2400, ScrollMove::LineUp, 0, 2399},
    {"page up", freq, 2400, ScrollMove::PageUp, 0, 2300},
    {"page down to the end", freq, 9950, ScrollMove::PageDown, 0, 10000},
    {"thumb beyond the end", freq, 5000, ScrollMove::Thumb, 20000, 10000},
    {"thumb", diam, 10, ScrollMove::Thumb, 24, 24},
    {"Home", diam, 24, ScrollMove::Top, 0, 10},
    {"End", diam, 24, ScrollMove::Bottom, 0, 40}};

// twips * dpi / 1440, to the nearest, halves up.
const struct { const char* name; double twips; int dpi, pixels; } pixels[] = {
    {"a bar's top", 1320, 96, 88}, {"a bar 2016.129 twips high", 2016.129f, 96, 134},
    {"half a pixel, up", 7.5, 96, 1}, {"just under half", 7.4, 96, 0},
    {"a bar's width at 150%", 255, 144, 26}, {"a bar's height at 200%", 1815, 192, 242},
    {"one inch deep", 1000, 96, 67}, {"the bold font", 195, 96, 13}, {"the default font", 160, 96, 11}};

// Paper and unprintable margins in inches (left, top, right, bottom): where
// a sheet, 7.25 by 9.9 inches half an inch in from the corner, prints at
// full size, or the sentence's start. Letter leaves 11 - 0.5 - 9.9 = 0.6
// inches below a sheet.
const struct { const char* name; PrinterPaper paper; const char* says; } papers[] = {
    {"A4, quarter-inch margins", {8.27, 11.69, 0.25, 0.25, 0.25, 0.25}, ""},
    {"Letter, none (a PDF)", {8.5, 11, 0, 0, 0, 0}, ""},
    {"Letter, 0.6 at the foot", {8.5, 11, 0.25, 0.25, 0.25, 0.6}, ""},
    {"Letter, 0.61 at the foot", {8.5, 11, 0.25, 0.25, 0.25, 0.61}, "This printer cannot print within half an inch"},
    {"0.6 at the left", {8.5, 11, 0.6, 0.25, 0.25, 0.25}, "This printer cannot print within half an inch"},
    {"A4 on its side", {11.69, 8.27, 0, 0, 0, 0}, "This paper is 11.69 by 8.27 inches, smaller than the template's sheets (8.25 by 10.9"},
    {"A5", {5.83, 8.27, 0, 0, 0, 0}, "This paper is 5.83 by 8.27 inches"}};
// clang-format on
} // namespace cases

// Each worked state, reached from start-up: the figures and bars, each
// control's spoken form (no placeholder left; an array member says its
// radius), and what readers pass by (a vanished bar or an empty figure).
// The caption within the spoken form is each view's readers' check.
TEST_CASE("every worked state, and what readers are told of it")
{
    for (const worked::State& w : worked::states) {
        INFO(w.name);
        Session s;
        reach(s, w.freq, w.diam, w.depth);
        for (const worked::Shown& c : w.shown)
            CHECK_EQ(captionOf(s, c.control), std::string(c.caption));
        for (const auto& [member, twips] : w.bars)
            CHECK_EQ(s.heightTwips(row(LabelArray::label7, member)), twips);
        for (int r = 0; r < controlCount; ++r) {
            const ControlDesign& d = designTable()[r];
            const std::string said = s.spoken(r);
            CHECK((said.find('{') == std::string::npos && !said.empty()));
            const std::string radius = " " + std::to_string(d.index) + " inch";
            CHECK((d.index < 0 || said.find(radius) != std::string::npos));
            CHECK_EQ(s.hidden(r), d.index > w.diam / 2 || (d.name == "label7" && d.index == 0));
        }
    }
}

TEST_CASE("what each change hands a view, and what it announces")
{
    for (const auto& r : cases::changes) {
        INFO(r.name);
        Session s;
        Update u = s.load();
        CHECK_EQ(u.announcement, ""); // nothing is announced before the window shows
        if (r.value != 0)
            u = s.moved(r.bar, std::int16_t(r.value));
        CHECK_EQ(handed(u.rows), r.handed);
        CHECK_EQ(u.announcement, r.sentence);
        CHECK((u.error.empty() && !u.close));
    }
    Session s;
    s.load();
    // A bar's description is every figure; a tooltip is a label's.
    const std::string every = "Diameter 10 inches, 254 millimetres. Depth 2 inches, 50.8 "
                              "millimetres. Focal length 3.13 inches, 79.502 millimetres. F/D "
                              "ratio 0.31. Gain 5 times. Rim 2.02 deep at 5 inches.";
    CHECK_EQ(s.description(row(Ctl::vsbDepth)), every);
    CHECK_EQ(s.description(row(Ctl::Label10)), "Depth in Millimeters");
    CHECK_EQ(s.description(row(Ctl::lblFlen)), "");
}

// ... and moving back to start-up mends every figure.
TEST_CASE("an error stops its handler only")
{
    for (const auto& r : cases::errors) {
        INFO(r.name);
        Session s, before;
        s.load(), before.load();
        const Update u = s.moved(r.bar, std::int16_t(r.value));
        CHECK_EQ(u.error, r.line);
        CHECK((!u.close && !s.ended()));
        CHECK(u.rows == differing(before, s)); // a view shows what the earlier steps wrote
        for (const worked::Shown& c : r.shown)
            CHECK_EQ(captionOf(s, c.control), std::string(c.caption));
        s.moved(r.bar, designTable()[row(r.bar)].scroll.value);
        CHECK((s.moved(Ctl::vsbDepth, 20).error.empty() &&
               s.moved(Ctl::vsbFreq, 1200).error.empty()));
        for (const worked::Shown& c : worked::states.front().shown)
            CHECK_EQ(captionOf(s, c.control), std::string(c.caption));
    }
    for (const auto& r : cases::failures) {
        INFO(r.name);
        CHECK_EQ(failureLine(handlerName(r.e), r.error), r.line);
    }
}

// Exit, or the frame, ends the planner; nothing runs after.
TEST_CASE("the way out")
{
    Session exited, closed;
    exited.load(), closed.load();
    const Update u = exited.exitPressed();
    CHECK((u.close && u.rows.empty() && u.error.empty() && exited.ended()));
    CHECK((closed.closed().close && closed.ended()));
    for (Session* s : {&exited, &closed}) {
        const Update after = s->moved(Ctl::vsbDiam, 11);
        CHECK((after.rows.empty() && !after.close && !s->closed().close));
        CHECK_EQ(captionOf(*s, "lblDiam"), "10");
    }
}

// The steps of a bar, twips as pixels, and the groups a heading forms.
TEST_CASE("the steps of a bar, twips as pixels, the groups")
{
    CHECK((headingOf(Ctl::Label9) == Ctl::Label2 && headingOf(Ctl::vsbDepth) == Ctl::Label5));
    CHECK((!headingOf(Ctl::Label2) && !headingOf(Ctl::cmdExit)));
    CHECK((accessKey("E&xit") == 'X' && !accessKey("Exit") && !accessKey("Exit&")));
    for (const auto& r : cases::moves) {
        INFO(r.name);
        CHECK_EQ(scrolled(r.bar, r.now, r.move, r.thumb), r.next);
    }
    for (const auto& r : cases::pixels) {
        INFO(r.name);
        CHECK_EQ(toPixels(r.twips, r.dpi), r.pixels);
    }
}

// Whether a printer's paper takes the sheets at full size, and where a
// sheet's inches land in its dots: at 600 dpi, with the device's corner a
// quarter inch in, the sheet's corner at (0.5 - 0.25) * 600 = 150 dots,
// a line of 0.6 points 0.6 / 72 * 600 = 5 dots.
TEST_CASE("a printer's paper, and a sheet's inches in its dots")
{
    for (const auto& r : cases::papers) {
        INFO(r.name);
        const std::string why = whyNotPrintable(r.paper);
        CHECK_EQ(why.substr(0, std::string(r.says).size()), r.says);
        CHECK_EQ(why.empty(), !*r.says);
    }
    const DeviceMapping d{600, 600, 0.25, 0.25};
    CHECK((d.at({0, 0}).x == 150 && d.at({0, 0}).y == 150 && d.at({1, 2}).y == 1350));
    CHECK((d.points(0.6) == doctest::Approx(5) && d.inches(dashLength) == doctest::Approx(72)));
}

// What a sheet carries beyond its drawing and texts (its sheets side by
// side, k of n): a grey strip where its right neighbour lies on it; two
// crosses, each with a box 0.1 inch square, on its tile in each strip it
// shares; and the 4-inch rule, 33 ticks an eighth apart, marked 1 in to
// 4 in. And the arrowhead on the axis, where the focal point lies beyond
// the sheets: its barbs mirror each other about its tip.
void checkSheetParts(const Sheet& sheet, std::size_t k, std::size_t n)
{
    CHECK_EQ(sheet.strips.size(), k + 1 < n);
    std::vector<double> ticks;
    int boxes = 0;
    std::string said;
    for (const Shape& s : sheet.own) {
        const Point a = s.points.at(0), b = s.points.back();
        boxes += s.kind == Shape::Kind::Box && std::abs(b.x - a.x - 0.1) < 1e-9 &&
                 std::abs(b.y - a.y - 0.1) < 1e-9 && a.x > sheet.tileTopLeft.x &&
                 a.y > sheet.tileTopLeft.y && b.x < sheet.tileBottomRight.x &&
                 b.y < sheet.tileBottomRight.y;
        if (s.kind == Shape::Kind::Line && a.y == b.y &&
            b.x - a.x < 0.2) // a tick, not a cross's arm
            ticks.push_back(a.y);
        said += s.kind == Shape::Kind::Text ? s.text + "|" : "";
    }
    CHECK_EQ(boxes, 2 * ((k > 0) + (k + 1 < n)));
    REQUIRE(ticks.size() == 33);
    CHECK(*std::max_element(ticks.begin(), ticks.end()) -
              *std::min_element(ticks.begin(), ticks.end()) ==
          doctest::Approx(4));
    CHECK(said.find("|1 in|2 in|3 in|4 in|") != std::string::npos);
    for (const Shape& s : sheet.drawing)
        if (s.kind == Shape::Kind::Line && s.points.size() == 3) {
            const Point &left = s.points[0], &tip = s.points[1], &right = s.points[2];
            CHECK((left.y == doctest::Approx(right.y) &&
                   left.x + right.x == doctest::Approx(2 * tip.x)));
        }
}

// The template of the dish the window shows: its figures, its marks, how
// many sheets it takes; and on every sheet the instruction and the square.
TEST_CASE("the template of the dish the window shows")
{
    for (const worked::Template& w : worked::templates) {
        INFO(w.diam << " in at " << w.freq << " MHz");
        Session s;
        const DishTemplate t = reach(s, w.freq, w.diam, w.depth).dishTemplate();
        CHECK_EQ(t.figures.size(), w.figures.size());
        for (std::size_t i = 0; i < w.figures.size() && i < t.figures.size(); ++i)
            CHECK(t.figures[i].find(w.figures[i]) != std::string::npos);
        CHECK(t.marks == std::vector<std::string>(w.marks.begin(), w.marks.end()));
        CHECK_EQ(int(t.sheets.size()), w.sheets);
        CHECK_EQ(t.focalPointOnSheets, w.focalPointOnSheets);
        CHECK_EQ(t.differsFromProfile, w.differsFromProfile);
        for (std::size_t k = 0; k < t.sheets.size(); ++k) {
            std::string said = "|";
            for (const Shape& shape : t.sheets[k].own)
                said += shape.text + "|";
            const std::string place = "sheet " + std::to_string(k + 1) + " of " +
                                      std::to_string(w.sheets) + ", row 1 of 1, column " +
                                      std::to_string(k + 1);
            for (const std::string& text : {place, std::string("|This square is 100 mm|"),
                                            std::string("|Print at 100% (actual size, not fit to "
                                                        "page). Measure the square before "
                                                        "cutting.|")})
                CHECK_MESSAGE(said.find(text) != std::string::npos, text);
            CHECK_EQ(said.find(t.figures.front()) != std::string::npos,
                     k == 0); // the first's alone
            checkSheetParts(t.sheets[k], k, t.sheets.size());
        }
        CHECK_EQ(figure(t.rimDepth, 2), t.marks.back()); // each dish's radius is whole inches
    }
    INFO("no dish to draw");
    Session failed;
    failed.load(), failed.moved(Ctl::vsbDiam, 0); // a focal length of 0
    CHECK(failed.dishTemplate().sheets.empty());
}

} // namespace
