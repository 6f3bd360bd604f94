// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The presenter, without a window: which event each bar raises, which rows
// each change hands a view, what readers are told, the event boundary and
// the way out; and the two rules every view applies alike, the steps of a
// bar and twips as pixels. (The worked states run through each view's own
// tests, from the user's keys to the window's captions.)
#include <new>
#include <stdexcept>

#include "window/metrics.h"
#include "window/scrolling.h"
#include "window/session.h"
#include "helpers.h"

using namespace planner;

namespace {

QString captionOf(const Session& s, const char* control) // "lblFdr" or "label8(5)"
{
    return QString::fromStdString(s.caption(rowNamed(control).value()));
}

// The lone controls among rows, by name; and whether any profile row is there.
QStringList loneNames(const std::vector<int>& rows)
{
    QStringList names;
    for (const int r : rows)
        if (r < loneControls)
            names << rows::qs(designTable()[r].name);
    return names;
}
bool profileIn(const std::vector<int>& rows)
{
    return !rows.empty() && rows.back() >= loneControls;
}

// Every row's caption and height, to see afterwards which differ.
using Snapshot = std::vector<std::pair<std::string, float>>;
Snapshot snapshot(const Session& s)
{
    Snapshot all;
    for (int r = 0; r < controlCount; ++r)
        all.emplace_back(s.caption(r), s.heightTwips(r));
    return all;
}
std::vector<int> differing(const Snapshot& before, const Session& s)
{
    std::vector<int> rows;
    for (int r = 0; r < controlCount; ++r)
        if (before[r] != std::pair(s.caption(r), s.heightTwips(r)))
            rows.push_back(r);
    return rows;
}

// The tables of cases, one row each.
namespace cases {
// clang-format off
// From start-up, what a view is handed: a caption written again as it was
// is no change (lblDiam and the depth stay "10" and "2" on loading).
const struct { const char* name; Ctl bar; int value; QStringList lone; bool profile; } changes[] = {
    {"loading", Ctl::cmdExit, 0, {"lblFdr", "lblGain", "lblDepth", "lblFlen", "Label10", "Label11"}, true},
    {"frequency 2400", Ctl::vsbFreq, 2400, {"lblFreq", "lblGain"}, false},
    {"frequency 1300, gain 5 still", Ctl::vsbFreq, 1300, {"lblFreq"}, false},
    {"diameter 11", Ctl::vsbDiam, 11, {"lblDiam", "lblFdr", "lblGain", "lblFlen", "Label9", "Label11"}, true},
    {"depth 2.3", Ctl::vsbDepth, 23, {"lblFdr", "lblDepth", "lblFlen", "Label10", "Label11"}, true},
    {"depth where it stands", Ctl::vsbDepth, 20, {}, false},
    {"Exit is no bar", Ctl::cmdExit, 30, {}, false},
    {"a figure is no bar", Ctl::lblDiam, 30, {}, false}};

// What a screen reader is told after each change: only what differs.
const struct { const char* name; Ctl bar; int value; const char* sentence; } announcements[] = {
    {"diameter 11", Ctl::vsbDiam, 11, "Diameter 11 inches, 279.4 millimetres. Focal length 3.78 "
     "inches, 96.012 millimetres. F/D ratio 0.34. Gain 6 times. Rim 1.67 deep at 5 inches."},
    {"depth 2.3", Ctl::vsbDepth, 23, "Depth 2.3 inches, 58.42 millimetres. Focal length 2.72 "
     "inches, 69.088 millimetres. F/D ratio 0.27. Rim 2.31 deep at 5 inches."}, // 25 / (40 * 0.27)
    {"frequency 1201, gain 5 still", Ctl::vsbFreq, 1201, ""},
    {"frequency 2400", Ctl::vsbFreq, 2400, "Gain 20 times."}}; // 5.09 * 4

// A run-time error stops its handler only: the captions written before it
// stay, and one line names it. Values beyond the bars' ranges reach them.
const struct { const char* name; Ctl bar; int value; const char* line; QStringList shown; } errors[] = {
    {"frequency 0", Ctl::vsbFreq, 0, "vsbFreq_Change: Run-time error 11: Division by zero",
     {"lblFreq=0", "lblGain=5", "label8(5)=2.02"}},
    {"depth 0", Ctl::vsbDepth, 0, "vsbDepth_Change: Run-time error 11: Division by zero",
     {"lblDepth=0", "Label10=0", "lblFlen=3.13", "lblFdr=0.31", "label8(5)=2.02"}},
    {"diameter 0", Ctl::vsbDiam, 0, "vsbDiam_Change: Run-time error 5: Invalid operation",
     {"lblDiam=0", "Label9=0", "lblGain=0", "lblFlen=0", "lblFdr=0.31"}},
    // 1764 / 32 = 55.125; 55.13 / 42 = 1.31; r = 20: 400 / (168 * 1.31).
    {"diameter 42", Ctl::vsbDiam, 42, "vsbDiam_Change: Run-time error 9: Subscript out of range",
     {"Label11=1400.302", "lblFdr=1.31", "label8(20)=1.82", "lblFreq=1200"}}};

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
// clang-format on
} // namespace cases

} // namespace

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void changedRows_data() { rows::add(cases::changes); }
    void changedRows()
    {
        const auto& r = rows::current(cases::changes);
        Session s;
        Update u = s.load();
        if (r.value != 0)
            u = s.moved(r.bar, std::int16_t(r.value));
        QCOMPARE(loneNames(u.rows), r.lone);
        QCOMPARE(profileIn(u.rows), r.profile);
        QVERIFY(u.error.empty() && !u.close);
    }

    void announcements_data() { rows::add(cases::announcements); }
    void announcements()
    {
        const auto& r = rows::current(cases::announcements);
        Session s;
        QCOMPARE(s.load().announcement, ""); // nothing is announced before the window shows
        QCOMPARE(s.everyFigure(), "Diameter 10 inches, 254 millimetres. Depth 2 inches, 50.8 "
                                  "millimetres. Focal length 3.13 inches, 79.502 millimetres. F/D "
                                  "ratio 0.31. Gain 5 times. Rim 2.02 deep at 5 inches.");
        QCOMPARE(s.moved(r.bar, std::int16_t(r.value)).announcement, r.sentence);
    }

    // ... and moving back to start-up mends every figure.
    void errorsStopOnlyTheHandler_data() { rows::add(cases::errors); }
    void errorsStopOnlyTheHandler()
    {
        const auto& r = rows::current(cases::errors);
        Session s;
        s.load();
        const Snapshot before = snapshot(s);
        const Update u = s.moved(r.bar, std::int16_t(r.value));
        QCOMPARE(u.error, r.line);
        QVERIFY(!u.close && !s.ended());
        QCOMPARE(u.rows, differing(before, s)); // a view shows what the earlier steps wrote
        for (const QString& pair : r.shown) // "control=caption"
            QCOMPARE(captionOf(s, pair.section('=', 0, 0).toLatin1()), pair.section('=', 1));
        s.moved(r.bar, designTable()[row(r.bar)].scroll.value);
        QVERIFY(s.moved(Ctl::vsbDepth, 20).error.empty() && s.moved(Ctl::vsbFreq, 1200).error.empty());
        for (const worked::Shown& c : worked::states.front().shown)
            QCOMPARE(captionOf(s, c.control.data()), rows::qs(c.caption));
    }

    // In every worked state, every control's spoken form has its caption
    // and radius in place: no placeholder is left, an array member says
    // its radius, and a vanished bar or empty figure is passed by.
    void spokenForms_data() { rows::add(worked::states); }
    void spokenForms()
    {
        const worked::State& w = rows::current(worked::states);
        Session s;
        s.load();
        s.moved(Ctl::vsbFreq, std::int16_t(w.freq));
        s.moved(Ctl::vsbDiam, std::int16_t(w.diam));
        s.moved(Ctl::vsbDepth, std::int16_t(w.depth));
        const int rim = w.diam / 2;
        for (int r = 0; r < controlCount; ++r) {
            const ControlDesign& d = designTable()[r];
            const QString said = QString::fromStdString(s.spoken(r));
            QVERIFY2(!said.contains('{') && !said.isEmpty(), qPrintable(said));
            if (d.index >= 0)
                QVERIFY2(said.contains(QString(" %1 inch").arg(d.index)), qPrintable(said));
            QCOMPARE(s.hidden(r), d.index > rim || (d.name == "label7" && d.index == 0));
        }
        QCOMPARE(s.spoken(row(Ctl::lblFlen)), "Focal length " + s.caption(row(Ctl::lblFlen)) + " inches");
    }

    void failureLines_data() { rows::add(cases::failures); }
    void failureLines()
    {
        const auto& r = rows::current(cases::failures);
        QCOMPARE(failureLine(handlerName(r.e), r.error), r.line);
    }

    // Exit, or the frame, ends the planner; nothing runs after.
    void theWayOut()
    {
        Session exited, closed;
        exited.load(), closed.load();
        const Update u = exited.exitPressed();
        QVERIFY(u.close && u.rows.empty() && u.error.empty() && exited.ended());
        QVERIFY(closed.closed().close && closed.ended());
        for (Session* s : {&exited, &closed}) {
            const Update after = s->moved(Ctl::vsbDiam, 11);
            QVERIFY(after.rows.empty() && !after.close && !s->closed().close);
            QCOMPARE(captionOf(*s, "lblDiam"), "10");
        }
    }

    void scrollSteps_data() { rows::add(cases::moves); }
    void scrollSteps()
    {
        const auto& r = rows::current(cases::moves);
        QCOMPARE(scrolled(r.bar, r.now, r.move, r.thumb), r.next);
    }

    void twipsAsPixels_data() { rows::add(cases::pixels); }
    void twipsAsPixels()
    {
        const auto& r = rows::current(cases::pixels);
        QCOMPARE(toPixels(r.twips, r.dpi), r.pixels);
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
