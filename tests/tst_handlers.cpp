// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The handlers on the control model: the worked states, which handler
// computes what, and the event boundary for run-time errors.
#include <sstream>

#include <QtTest>

#include "calc/ggainn.h"
#include "window/planner_handlers.h"
#include "window/spoken.h"
#include "worked_rows.h"

using namespace planner;

namespace {

struct Planner {
    ControlModel m;
    int unloads = 0;
    PlannerHandlers h{m, [this] { ++unloads; }};
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

} // namespace

class TestHandlers : public QObject {
    Q_OBJECT
private slots:
    void workedStates_data() { worked::addRows(); }
    void workedStates()
    {
        const worked::State& s = worked::current();
        Planner p;
        for (const auto& [bar, value] :
             {std::pair{Ctl::vsbFreq, s.freq}, {Ctl::vsbDiam, s.diam}, {Ctl::vsbDepth, s.depth}})
            if (p.m.value(bar) != value)
                QVERIFY(p.move(bar, value));
        for (const worked::Shown& c : s.shown)
            QCOMPARE(p.caption(worked::qs(c.control)), worked::qs(c.caption));
        for (const auto& [member, twips] : s.bars)
            QCOMPARE(p.m.height(LabelArray::label7, member), twips);
        QCOMPARE(p.h.places, rt::Value(std::int16_t{2}));
        QCOMPARE(p.h.freq, rt::Value(std::to_string(s.freq))); // the caption, as text
    }

    // Only the handlers whose figures depend on the gain compute it.
    void whoComputesTheGain_data()
    {
        QTest::addColumn<int>("event");
        QTest::addColumn<bool>("computes");
        QTest::newRow("frequency") << int(Event::FreqChange) << true;
        QTest::newRow("diameter") << int(Event::DiamChange) << true;
        QTest::newRow("depth") << int(Event::DepthChange) << false;
    }
    void whoComputesTheGain()
    {
        QFETCH(int, event);
        QFETCH(bool, computes);
        Planner p;
        calc::gain = rt::Value("untouched");
        QVERIFY(p.h.raise(Event(event), p.err));
        QCOMPARE(calc::gain != rt::Value("untouched"), computes);
    }

    // A run-time error stops its handler only: the captions written before
    // it stay, one line names it, and the next change mends every figure.
    void errorsStopOnlyTheHandler_data()
    {
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("shown"); // control=caption afterwards
        QTest::newRow("frequency 0")
            << int(Ctl::vsbFreq) << 0 << "vsbFreq_Change: Run-time error 11: Division by zero\n"
            << QStringList{"lblFreq=0", "lblGain=5", "label8(5)=2.02"};
        QTest::newRow("depth 0") << int(Ctl::vsbDepth) << 0
                                 << "vsbDepth_Change: Run-time error 11: Division by zero\n"
                                 << QStringList{"lblDepth=0", "Label10=0", "lblFlen=3.13",
                                                "lblFdr=0.31", "label8(5)=2.02"};
        QTest::newRow("diameter 0")
            << int(Ctl::vsbDiam) << 0 << "vsbDiam_Change: Run-time error 5: Invalid operation\n"
            << QStringList{"lblDiam=0", "Label9=0", "lblGain=0", "lblFlen=0", "lblFdr=0.31"};
        // 1764 / 32 = 55.125; 55.13 / 42 = 1.31; r = 20: 400 / (168 * 1.31).
        QTest::newRow("diameter 42")
            << int(Ctl::vsbDiam) << 42
            << "vsbDiam_Change: Run-time error 9: Subscript out of range\n"
            << QStringList{"Label11=1400.302", "lblFdr=1.31", "label8(20)=1.82", "lblFreq=1200"};
    }
    void errorsStopOnlyTheHandler()
    {
        QFETCH(int, bar);
        QFETCH(int, value);
        QFETCH(QString, line);
        QFETCH(QStringList, shown);
        Planner p;
        QVERIFY(!p.move(Ctl(bar), value));
        QCOMPARE(QString::fromStdString(p.err.str()), line);
        for (const QString& pair : shown)
            QCOMPARE(p.caption(pair.section('=', 0, 0)), pair.section('=', 1));
        QVERIFY(p.move(Ctl(bar), designTable()[row(Ctl(bar))].scroll.value));
        QVERIFY(p.move(Ctl::vsbDepth, 20) && p.move(Ctl::vsbFreq, 1200));
        for (const char* c : {"lblGain=5", "lblFlen=3.13", "Label11=79.502", "lblFdr=0.31"})
            QCOMPARE(p.caption(QString(c).section('=', 0, 0)), QString(c).section('=', 1));
    }

    // What a screen reader announces after each change: only what differs.
    void announcements_data()
    {
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("diameter 11")
            << int(Ctl::vsbDiam) << 11
            << "Diameter 11 inches, 279.4 millimetres. Focal length 3.78 inches, 96.012 "
               "millimetres. F/D ratio 0.34. Gain 6 times. Rim 1.67 deep at 5 inches.";
        QTest::newRow("depth 2.3") << int(Ctl::vsbDepth) << 23
                                   << "Depth 2.3 inches, 58.42 millimetres. Focal length 2.72 "
                                      "inches, 69.088 millimetres. F/D ratio 0.27. Rim 2.31 deep "
                                      "at 5 inches."; // 25 / (40 * 0.27)
        QTest::newRow("frequency 1201, gain 5 still") << int(Ctl::vsbFreq) << 1201 << "";
    }
    void announcements()
    {
        QFETCH(int, bar);
        QFETCH(int, value);
        QFETCH(QString, sentence);
        Planner p;
        const std::vector<std::string> before = captionsOf(p.m);
        QVERIFY(p.move(Ctl(bar), value));
        QCOMPARE(QString::fromStdString(changeAnnouncement(before, p.m)), sentence);
    }

    void exitUnloads()
    {
        Planner p;
        QVERIFY(p.h.raise(Event::ExitClick, p.err));
        QCOMPARE(p.unloads, 1);
        QVERIFY(p.err.str().empty());
    }
};

QTEST_GUILESS_MAIN(TestHandlers)
#include "tst_handlers.moc"
