// The handlers on the control model: the event boundary for run-time
// errors, and the chain of captions over every diameter and depth.
#include <cmath>
#include <sstream>

#include <QtTest>

#include "calc/ggainn.h"
#include "window/planner_handlers.h"

using namespace planner;

namespace {

QString cap(const ControlModel& m, Ctl c)
{
    return QString::fromStdString(m.caption(c));
}
double num(const ControlModel& m, Ctl c)
{
    return cap(m, c).toDouble();
}

bool atMostTwoDecimals(const QString& figure)
{
    const qsizetype point = figure.indexOf('.');
    return !figure.contains('E') && (point < 0 || figure.size() - point - 1 <= 2);
}

struct Planner {
    ControlModel m;
    int unloads = 0;
    PlannerHandlers h{m, [this] { ++unloads; }};
    std::ostringstream err;
    Planner() { h.Form_Load(); }
    bool move(Ctl bar, int value, Event e)
    {
        m.setValue(bar, std::int16_t(value));
        return h.raise(e, err);
    }
};

} // namespace

class TestHandlers : public QObject {
    Q_OBJECT
private slots:
    void errorsStopOnlyTheHandler_data()
    {
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("written"); // name=caption left by the earlier steps
        QTest::addColumn<QStringList>("kept");    // name=caption from before the event
        const auto freq = int(Ctl::vsbFreq), diam = int(Ctl::vsbDiam), depth = int(Ctl::vsbDepth);
        QTest::newRow("frequency 0")
            << freq << 0 << "vsbFreq_Change: Run-time error 11: Division by zero\n"
            << QStringList{"lblFreq=0"} << QStringList{"lblGain=5", "label8(5)=2.02"};
        QTest::newRow("depth 0") << depth << 0
                                 << "vsbDepth_Change: Run-time error 11: Division by zero\n"
                                 << QStringList{"lblDepth=0", "Label10=0"}
                                 << QStringList{"lblFlen=3.13", "Label11=79.502", "lblFdr=0.31",
                                                "label8(5)=2.02"};
        QTest::newRow("diameter 0")
            << diam << 0 << "vsbDiam_Change: Run-time error 5: Invalid operation\n"
            << QStringList{"lblDiam=0", "Label9=0", "lblGain=0", "lblFlen=0", "Label11=0"}
            << QStringList{"lblFdr=0.31", "label8(5)=2.02"};
        // 42 inches: focal length 1764 / 32 = 55.125, F/D 55.13 / 42 = 1.31; at
        // r = 20 the depth is 400 / (168 * 1.31) = 1.8175; r = 21 has no member.
        QTest::newRow("diameter 42")
            << diam << 42 << "vsbDiam_Change: Run-time error 9: Subscript out of range\n"
            << QStringList{"lblDiam=42",  "Label9=1066.8",   "lblFlen=55.13", "Label11=1400.302",
                           "lblFdr=1.31", "label8(20)=1.82", "label7(20)=20"}
            << QStringList{"lblFreq=1200"};
    }
    void errorsStopOnlyTheHandler()
    {
        QFETCH(int, bar);
        QFETCH(int, value);
        QFETCH(QString, line);
        QFETCH(QStringList, written);
        QFETCH(QStringList, kept);
        Planner p;
        const Event e = bar == int(Ctl::vsbFreq)   ? Event::FreqChange
                        : bar == int(Ctl::vsbDiam) ? Event::DiamChange
                                                   : Event::DepthChange;
        QVERIFY(!p.move(Ctl(bar), value, e));
        QCOMPARE(QString::fromStdString(p.err.str()), line);
        for (const QString& pair : written + kept) {
            const QString name = pair.section('=', 0, 0), expected = pair.section('=', 1);
            QString actual;
            if (name.startsWith("label")) {
                const int index = name.section('(', 1).chopped(1).toInt();
                actual = QString::fromStdString(p.m.caption(
                    name.startsWith("label8") ? LabelArray::label8 : LabelArray::label7, index));
            } else {
                actual = cap(p.m, *ctlNamed(name.toStdString()));
            }
            QCOMPARE(actual, expected);
        }
        // The next event computes afresh from what the captions hold, so moving
        // the same bar back into its range mends every figure.
        QVERIFY(p.move(Ctl(bar), designTable()[row(Ctl(bar))].scroll.value, e));
        QVERIFY(p.move(Ctl::vsbDepth, 20, Event::DepthChange));
        QVERIFY(p.move(Ctl::vsbDiam, 10, Event::DiamChange));
        QVERIFY(p.move(Ctl::vsbFreq, 1200, Event::FreqChange));
        QCOMPARE(cap(p.m, Ctl::lblGain), "5");
        QCOMPARE(cap(p.m, Ctl::lblFlen), "3.13");
        QCOMPARE(cap(p.m, Ctl::lblFdr), "0.31");
    }

    void exitUnloads()
    {
        Planner p;
        QVERIFY(p.h.raise(Event::ExitClick, p.err));
        QCOMPARE(p.unloads, 1);
        QVERIFY(p.err.str().empty());
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

    void windowLevelValues()
    {
        Planner p;
        QCOMPARE(p.h.places, rt::Value(std::int16_t{2}));
        QCOMPARE(p.h.freq, rt::Value("1200")); // the caption, as text
        QCOMPARE(p.h.flen, rt::Value(3.13));
        QCOMPARE(p.h.fdr, rt::Value(0.31));
    }

    // Every diameter and depth position, checked against the chain of captions
    // rather than the formulas.
    void captionsAgreeOverTheWholeRange()
    {
        Planner p;
        for (int depth = 10; depth <= 50; ++depth) {
            p.m.setValue(Ctl::vsbDepth, std::int16_t(depth));
            for (int diam = 10; diam <= 40; ++diam) {
                QVERIFY(p.move(Ctl::vsbDiam, diam, Event::DiamChange));
                const ControlModel& m = p.m;
                const QString where = QStringLiteral("diameter %1, depth %2").arg(diam).arg(depth);
                const double d = num(m, Ctl::lblDiam), flen = num(m, Ctl::lblFlen);
                const double fdr = num(m, Ctl::lblFdr);
                QVERIFY2(d == diam && num(m, Ctl::lblDepth) == depth / 10.0, qPrintable(where));
                QVERIFY2(std::abs(num(m, Ctl::Label9) - d * 25.4) < 1e-9, qPrintable(where));
                QVERIFY2(std::abs(num(m, Ctl::Label11) - flen * 25.4) < 1e-9, qPrintable(where));
                QVERIFY2(std::abs(fdr - flen / d) <= 0.005 + 1e-12, qPrintable(where));
                QVERIFY2(std::abs(flen - d * d / (16 * depth / 10.0)) <= 0.005 + 1e-12,
                         qPrintable(where));
                QVERIFY2(fdr >= 0.13 && fdr <= 2.5, qPrintable(where));
                QVERIFY2(atMostTwoDecimals(cap(m, Ctl::lblFlen)) &&
                             atMostTwoDecimals(cap(m, Ctl::lblFdr)),
                         qPrintable(where));
                for (int r = 0; r <= 20; ++r) {
                    const QString f = QString::fromStdString(m.caption(LabelArray::label8, r));
                    QVERIFY2((r <= diam / 2) == !f.isEmpty() && atMostTwoDecimals(f),
                             qPrintable(where + " member " + QString::number(r)));
                }
            }
        }
        QVERIFY(p.err.str().empty());
    }
};

QTEST_GUILESS_MAIN(TestHandlers)
#include "tst_handlers.moc"
