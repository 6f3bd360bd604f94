// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The handlers on the control model: the event boundary for run-time
// errors, and what each change announces. (The worked states run through
// each view's own tests, from the user's keys to the window's captions.)
#include <sstream>

#include "window/planner_handlers.h"
#include "window/spoken.h"
#include "helpers.h"

using namespace planner;

namespace {

struct Planner {
    ControlModel m;
    PlannerHandlers h{m, [] {}};
    std::ostringstream err;
    Planner() { h.Form_Load(); }
    bool move(Ctl bar, int value)
    {
        const Event e = bar == Ctl::vsbFreq   ? Event::FreqChange
                        : bar == Ctl::vsbDiam ? Event::DiamChange
                                              : Event::DepthChange;
        m.setValue(bar, std::int16_t(value));
        return h.raise(e, err);
    }
    QString caption(const QString& control) const // "lblFdr" or "label8(5)"
    {
        return QString::fromStdString(m.rowCaption(rowNamed(control.toStdString()).value()));
    }
};

// The tables of cases, one row each.
namespace cases {
// clang-format off
// A run-time error stops its handler only: the captions written before it
// stay, and one line names it.
const struct { const char* name; Ctl bar; int value; const char* line; QStringList shown; } errors[] = {
    {"frequency 0", Ctl::vsbFreq, 0, "vsbFreq_Change: Run-time error 11: Division by zero\n",
     {"lblFreq=0", "lblGain=5", "label8(5)=2.02"}},
    {"depth 0", Ctl::vsbDepth, 0, "vsbDepth_Change: Run-time error 11: Division by zero\n",
     {"lblDepth=0", "Label10=0", "lblFlen=3.13", "lblFdr=0.31", "label8(5)=2.02"}},
    {"diameter 0", Ctl::vsbDiam, 0, "vsbDiam_Change: Run-time error 5: Invalid operation\n",
     {"lblDiam=0", "Label9=0", "lblGain=0", "lblFlen=0", "lblFdr=0.31"}},
    // 1764 / 32 = 55.125; 55.13 / 42 = 1.31; r = 20: 400 / (168 * 1.31).
    {"diameter 42", Ctl::vsbDiam, 42, "vsbDiam_Change: Run-time error 9: Subscript out of range\n",
     {"Label11=1400.302", "lblFdr=1.31", "label8(20)=1.82", "lblFreq=1200"}}};

// What a screen reader announces after each change: only what differs.
const struct { const char* name; Ctl bar; int value; const char* sentence; } announcements[] = {
    {"diameter 11", Ctl::vsbDiam, 11, "Diameter 11 inches, 279.4 millimetres. Focal length 3.78 "
     "inches, 96.012 millimetres. F/D ratio 0.34. Gain 6 times. Rim 1.67 deep at 5 inches."},
    {"depth 2.3", Ctl::vsbDepth, 23, "Depth 2.3 inches, 58.42 millimetres. Focal length 2.72 "
     "inches, 69.088 millimetres. F/D ratio 0.27. Rim 2.31 deep at 5 inches."}, // 25 / (40 * 0.27)
    {"frequency 1201, gain 5 still", Ctl::vsbFreq, 1201, ""},
    {"frequency 2400", Ctl::vsbFreq, 2400, "Gain 20 times."}}; // 5.09 * 4
// clang-format on
} // namespace cases

} // namespace

class TestHandlers : public QObject {
    Q_OBJECT
private slots:
    // ... and moving back to start-up mends every figure.
    void errorsStopOnlyTheHandler_data() { rows::add(cases::errors); }
    void errorsStopOnlyTheHandler()
    {
        const auto& r = rows::current(cases::errors);
        Planner p;
        QVERIFY(!p.move(r.bar, r.value));
        QCOMPARE(QString::fromStdString(p.err.str()), r.line);
        for (const QString& pair : r.shown) // "control=caption"
            QCOMPARE(p.caption(pair.section('=', 0, 0)), pair.section('=', 1));
        QVERIFY(p.move(r.bar, designTable()[row(r.bar)].scroll.value));
        QVERIFY(p.move(Ctl::vsbDepth, 20) && p.move(Ctl::vsbFreq, 1200));
        for (const worked::Shown& c : worked::states.front().shown)
            QCOMPARE(p.caption(rows::qs(c.control)), rows::qs(c.caption));
    }

    void announcements_data() { rows::add(cases::announcements); }
    void announcements()
    {
        const auto& r = rows::current(cases::announcements);
        Planner p;
        const std::vector<std::string> before = captionsOf(p.m);
        QVERIFY(p.move(r.bar, r.value));
        QCOMPARE(changeAnnouncement(before, p.m), r.sentence);
    }
};

QTEST_GUILESS_MAIN(TestHandlers)
#include "tst_handlers.moc"
