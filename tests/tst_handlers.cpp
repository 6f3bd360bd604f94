// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The handlers on the control model: the worked states, the event boundary
// for run-time errors, and what each change announces.
#include <sstream>

#include "window/planner_handlers.h"
#include "window/spoken.h"
#include "rows.h"

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
    // "lblFdr" or "label8(5)"
    QString caption(const QString& control) const
    {
        if (!control.startsWith("label"))
            return QString::fromStdString(m.caption(*ctlNamed(control.toStdString())));
        const auto array = control.startsWith("label8") ? LabelArray::label8 : LabelArray::label7;
        return QString::fromStdString(m.caption(array, control.section('(', 1).chopped(1).toInt()));
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

void expectShown(const Planner& p, const QStringList& shown) // "control=caption"
{
    for (const QString& pair : shown)
        QCOMPARE(p.caption(pair.section('=', 0, 0)), pair.section('=', 1));
}

} // namespace

class TestHandlers : public QObject {
    Q_OBJECT
private slots:
    void workedStates_data() { rows::add(worked::states); }
    void workedStates()
    {
        const worked::State& s = rows::current(worked::states);
        Planner p;
        for (const auto& [bar, value] :
             {std::pair{Ctl::vsbFreq, s.freq}, {Ctl::vsbDiam, s.diam}, {Ctl::vsbDepth, s.depth}})
            if (p.m.value(bar) != value)
                QVERIFY(p.move(bar, value));
        for (const worked::Shown& c : s.shown)
            QCOMPARE(p.caption(rows::qs(c.control)), rows::qs(c.caption));
        for (const auto& [member, twips] : s.bars)
            QCOMPARE(p.m.height(LabelArray::label7, member), twips);
        QCOMPARE(p.h.places, rt::Value(std::int16_t{2}));
        QCOMPARE(p.h.freq, rt::Value(std::to_string(s.freq))); // the caption, as text
    }

    // ... and the next changes mend every figure.
    void errorsStopOnlyTheHandler_data() { rows::add(cases::errors); }
    void errorsStopOnlyTheHandler()
    {
        const auto& r = rows::current(cases::errors);
        Planner p;
        QVERIFY(!p.move(r.bar, r.value));
        QCOMPARE(QString::fromStdString(p.err.str()), r.line);
        expectShown(p, r.shown);
        QVERIFY(p.move(r.bar, designTable()[row(r.bar)].scroll.value));
        QVERIFY(p.move(Ctl::vsbDepth, 20) && p.move(Ctl::vsbFreq, 1200));
        expectShown(p, {"lblGain=5", "lblFlen=3.13", "Label11=79.502", "lblFdr=0.31"});
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
