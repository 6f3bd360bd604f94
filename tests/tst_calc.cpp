// Rounding, gain and the dish profile, against figures worked out by hand.
#include <cmath>

#include <QtTest>

#include "errors.h"

#include "calc/curve.h"
#include "calc/decplaces.h"
#include "calc/ggainn.h"
#include "window/control_model.h"

using planner::LabelArray;
using rt::ErrorCode;
using rt::Value;

namespace {

const Value two(std::int16_t{2});

QString figure(const planner::ControlModel& m, int r)
{
    return QString::fromStdString(m.caption(LabelArray::label8, r));
}
QString barCaption(const planner::ControlModel& m, int r)
{
    return QString::fromStdString(m.caption(LabelArray::label7, r));
}
float bar(const planner::ControlModel& m, int r)
{
    return m.height(LabelArray::label7, r);
}

} // namespace

class TestCalc : public QObject {
    Q_OBJECT
private slots:
    void decplaces_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("rounded");
        QTest::newRow("3.125") << 3.125 << 3.13;
        QTest::newRow("0.125") << 0.125 << 0.13;
        QTest::newRow("2.675") << 2.675 << 2.68;
        QTest::newRow("1.005 lies below the half") << 1.005 << 1.0;
        QTest::newRow("7.4375") << 7.4375 << 7.44;
        QTest::newRow("0.005") << 0.005 << 0.01;
        QTest::newRow("0.004") << 0.004 << 0.0;
        QTest::newRow("0") << 0.0 << 0.0;
        QTest::newRow("-0.125 goes up") << -0.125 << -0.12;
        QTest::newRow("-0.126") << -0.126 << -0.13;
        QTest::newRow("4.225 (169/40)") << 4.225 << 4.22;
        QTest::newRow("1.225 (49/40)") << 1.225 << 1.23;
    }
    void decplaces()
    {
        QFETCH(double, x);
        QFETCH(double, rounded);
        calc::decplaces(Value(x), two);
        QCOMPARE(calc::rounded, Value(rounded));
    }

    void decplacesSlot()
    {
        calc::decplaces(Value(3.125), two);
        calc::decplaces(Value(0.004), two);
        QCOMPARE(calc::rounded, Value(0.0));
        calc::decplaces(Value(7.4375), two);
        QCOMPARE(errorOf([] { calc::decplaces(Value(1e307), two); }), ErrorCode::Overflow);
        QCOMPARE(errorOf([] { calc::decplaces(Value("x"), two); }), ErrorCode::TypeMismatch);
        QCOMPARE(calc::rounded, Value(7.44));
        calc::decplaces(Value(3.14159), Value(std::int16_t{3}));
        QCOMPARE(calc::rounded, Value(3.142));
    }

    void ggainn_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("gainFrom"); // the gain's first digits
        QTest::addColumn<double>("whole");
        QTest::newRow("1200, 10") << "1200" << 10.0 << 5.09397 << 5.0;
        QTest::newRow("1200, 40") << "1200" << 40.0 << 81.50352 << 81.0;
        QTest::newRow("2400, 24") << "2400" << 24.0 << 117.36508 << 117.0;
        QTest::newRow("10000, 24") << "10000" << 24.0 << 2037.58822 << 2037.0;
        QTest::newRow("10000, 40") << "10000" << 40.0 << 5659.96730 << 5659.0;
        QTest::newRow("1716, 24: pi is 3.14159") << "1716" << 24.0 << 59.99996 << 59.0;
    }
    void ggainn()
    {
        QFETCH(QString, frequency);
        QFETCH(double, diameter);
        QFETCH(double, gainFrom);
        QFETCH(double, whole);
        calc::ggainn(Value(frequency.toStdString()), Value(diameter));
        const double g = calc::gain.toDouble();
        QVERIFY2(g >= gainFrom && g < gainFrom + 1e-5, qPrintable(QString::number(g, 'g', 17)));
        QCOMPARE(rt::Int(calc::gain), Value(whole));
    }

    void ggainnFailuresKeepTheSlot_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<double>("diameter");
        QTest::addColumn<ErrorCode>("error");
        QTest::newRow("frequency 0") << "0" << 24.0 << ErrorCode::DivisionByZero;
        QTest::newRow("frequency .0") << " .0 " << 24.0 << ErrorCode::DivisionByZero;
        QTest::newRow("not a number") << "12 GHz" << 24.0 << ErrorCode::TypeMismatch;
        QTest::newRow("empty") << "" << 24.0 << ErrorCode::TypeMismatch;
        QTest::newRow("diameter overflows") << "1200" << 1e308 << ErrorCode::Overflow;
    }
    void ggainnFailuresKeepTheSlot()
    {
        QFETCH(QString, frequency);
        QFETCH(double, diameter);
        QFETCH(ErrorCode, error);
        calc::ggainn(Value("2400"), Value(24.0));
        const Value before = calc::gain;
        QCOMPARE(errorOf([&] { calc::ggainn(Value(frequency.toStdString()), Value(diameter)); }),
                 error);
        QCOMPARE(calc::gain, before);
    }

    void profile24At075()
    {
        planner::ControlModel m;
        calc::curve(Value(24.0), Value(0.75), m);
        QCOMPARE(calc::radius, Value(12.0));
        QCOMPARE(calc::fourD, Value(96.0));
        QCOMPARE(calc::fourF, Value(72.0));
        const QStringList figures = {"0",    "0.01", "0.06", "0.13", "0.22", "0.35", "0.5",
                                     "0.68", "0.89", "1.13", "1.39", "1.68", "2"};
        const float heights[] = {0.0f,       13.888889f, 55.555557f, 125.0f,    222.22223f,
                                 347.22223f, 500.0f,     680.55554f, 888.8889f, 1125.0f,
                                 1388.8889f, 1680.5555f, 2000.0f};
        for (int r = 0; r <= 12; ++r) {
            QCOMPARE(figure(m, r), figures[r]);
            QCOMPARE(bar(m, r), heights[r]);
            QCOMPARE(barCaption(m, r), QString::number(r));
        }
        for (int r = 13; r <= 20; ++r) {
            QCOMPARE(figure(m, r), "");
            QCOMPARE(bar(m, r), 0.0f);
        }
    }

    void otherProfiles_data()
    {
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("member");
        QTest::addColumn<QString>("figure");
        QTest::addColumn<float>("height");
        QTest::addColumn<int>("lastDrawn");
        QTest::newRow("11 in: rim at 5.5 has no bar")
            << 11.0 << 0.5 << 5 << "1.14" << 1136.3636f << 5;
        QTest::newRow("40 in at 0.25: rim") << 40.0 << 0.25 << 20 << "10" << 10000.0f << 20;
        QTest::newRow("40 in at 0.25: 169/40") << 40.0 << 0.25 << 13 << "4.22" << 4225.0f << 20;
        QTest::newRow("40 in at 0.25: 49/40") << 40.0 << 0.25 << 7 << "1.23" << 1225.0f << 20;
        QTest::newRow("40 in at 2.5: flat") << 40.0 << 2.5 << 1 << "0" << 2.5f << 20;
        QTest::newRow("10 in at 0.31: rim") << 10.0 << 0.31 << 5 << "2.02" << 2016.129f << 5;
    }
    void otherProfiles()
    {
        QFETCH(double, diameter);
        QFETCH(double, ratio);
        QFETCH(int, member);
        QFETCH(QString, figure);
        QFETCH(float, height);
        QFETCH(int, lastDrawn);
        planner::ControlModel m;
        calc::curve(Value(diameter), Value(ratio), m);
        QCOMPARE(::figure(m, member), figure);
        QCOMPARE(bar(m, member), height);
        QVERIFY(!::figure(m, lastDrawn).isEmpty());
        if (lastDrawn < 20)
            QCOMPARE(::figure(m, lastDrawn + 1), "");
    }

    void smallDishAfterLargest()
    {
        planner::ControlModel m;
        calc::curve(Value(40.0), Value(0.25), m);
        calc::curve(Value(10.0), Value(0.5), m);
        for (int r = 6; r <= 20; ++r) {
            QCOMPARE(bar(m, r), 0.0f);
            QCOMPARE(figure(m, r), "");
            QCOMPARE(barCaption(m, r), QString::number(r)); // left from the 40-inch call
        }
        QCOMPARE(figure(m, 5), "1.25");
        QCOMPARE(calc::rdepth[20], Value(10.0)); // arrays are never cleared
    }

    void zeroFourFClearsThenRaises_data()
    {
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("ratio");
        QTest::newRow("ratio 0") << 24.0 << 0.0;
        QTest::newRow("diameter 0") << 0.0 << 0.75;
    }
    void zeroFourFClearsThenRaises()
    {
        QFETCH(double, diameter);
        QFETCH(double, ratio);
        planner::ControlModel m;
        calc::curve(Value(24.0), Value(0.75), m);
        QVERIFY(errorOf([&] { calc::curve(Value(diameter), Value(ratio), m); }) != ErrorCode{});
        for (int r = 0; r <= 20; ++r) {
            QCOMPARE(bar(m, r), 0.0f);
            QCOMPARE(figure(m, r), "");
        }
    }

    void radius21RaisesAfterDrawingAll()
    {
        planner::ControlModel m;
        QCOMPARE(errorOf([&] { calc::curve(Value(42.0), Value(0.5), m); }),
                 ErrorCode::SubscriptOutOfRange);
        QCOMPARE(figure(m, 20), "4.76"); // 400 / 84
        QCOMPARE(barCaption(m, 20), "20");
        QCOMPARE(calc::rsq[21], Value(441.0));
        QCOMPARE(calc::rdepth[21], Value(5.25));
    }

    // For every diameter and rounded ratio the window can pass, whatever the
    // formula: the right members are drawn, the centre is 0 and the figures
    // grow outwards with at most two decimals.
    void profileShapeOverTheWholeRange()
    {
        planner::ControlModel m;
        for (int d = 10; d <= 40; ++d) {
            for (int hundredths = 13; hundredths <= 250; ++hundredths) {
                calc::curve(Value(double(d)), Value(hundredths / 100.0), m);
                const QString where = QStringLiteral("d %1, F/D %2").arg(d).arg(hundredths);
                QVERIFY2(figure(m, 0) == "0" && bar(m, 0) == 0.0f, qPrintable(where));
                double previous = 0.0;
                for (int r = 0; r <= 20; ++r) {
                    const QString f = figure(m, r);
                    if (r > d / 2) {
                        QVERIFY2(f.isEmpty() && bar(m, r) == 0.0f, qPrintable(where));
                        continue;
                    }
                    QVERIFY2(barCaption(m, r) == QString::number(r), qPrintable(where));
                    const qsizetype point = f.indexOf('.');
                    QVERIFY2(!f.isEmpty() && !f.contains('E') &&
                                 (point < 0 || f.size() - point - 1 <= 2),
                             qPrintable(where + " figure " + f));
                    QVERIFY2(f.toDouble() >= previous, qPrintable(where));
                    previous = f.toDouble();
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCalc)
#include "tst_calc.moc"
