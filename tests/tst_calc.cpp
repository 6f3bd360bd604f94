// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Rounding, gain and the dish profile, against figures worked out by hand.
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
} // namespace

class TestCalc : public QObject {
    Q_OBJECT
private slots:
    void decplaces_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("rounded");
        QTest::newRow("3.125") << 3.125 << 3.13;
        QTest::newRow("2.675") << 2.675 << 2.68;
        QTest::newRow("1.005 lies below the half") << 1.005 << 1.0;
        QTest::newRow("7.4375") << 7.4375 << 7.44;
        QTest::newRow("0.005") << 0.005 << 0.01;
        QTest::newRow("0.004") << 0.004 << 0.0;
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

    // A failed call leaves the slot as the last good one left it.
    void failuresKeepTheSlots()
    {
        calc::decplaces(Value(3.14159), Value(std::int16_t{3}));
        QCOMPARE(errorOf([] { calc::decplaces(Value(1e307), two); }), ErrorCode::Overflow);
        QCOMPARE(calc::rounded, Value(3.142));
        calc::ggainn(Value("2400"), Value(24.0));
        const Value gain = calc::gain;
        QCOMPARE(errorOf([] { calc::ggainn(Value(" .0 "), Value(24.0)); }),
                 ErrorCode::DivisionByZero);
        QCOMPARE(errorOf([] { calc::ggainn(Value("12 GHz"), Value(24.0)); }),
                 ErrorCode::TypeMismatch);
        QCOMPARE(errorOf([] { calc::ggainn(Value("1200"), Value(1e308)); }), ErrorCode::Overflow);
        QCOMPARE(calc::gain, gain);
    }

    void ggainn_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("gainFrom"); // the gain's first digits
        QTest::newRow("1200, 10") << "1200" << 10.0 << 5.09397;
        QTest::newRow("1200, 40") << "1200" << 40.0 << 81.50352;
        QTest::newRow("2400, 24") << "2400" << 24.0 << 117.36508;
        QTest::newRow("10000, 40") << "10000" << 40.0 << 5659.96730;
        QTest::newRow("1716, 24: pi is 3.14159") << "1716" << 24.0 << 59.99996;
    }
    void ggainn()
    {
        QFETCH(QString, frequency);
        QFETCH(double, diameter);
        QFETCH(double, gainFrom);
        calc::ggainn(Value(frequency.toStdString()), Value(diameter));
        const double g = calc::gain.toDouble();
        QVERIFY2(g >= gainFrom && g < gainFrom + 1e-5, qPrintable(QString::number(g, 'g', 17)));
    }

    void profile_data()
    {
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QStringList>("figures"); // from the centre, then one cleared
        QTest::addColumn<QList<float>>("bars");
        QTest::newRow("24 in at 0.75")
            << 24.0 << 0.75 << QStringList{"0",    "0.01", "0.06", "0.13", "0.22", "0.35", "0.5",
                                           "0.68", "0.89", "1.13", "1.39", "1.68", "2",    ""}
            << QList<float>{0.0f,       13.888889f, 55.555557f, 125.0f,    222.22223f,
                            347.22223f, 500.0f,     680.55554f, 888.8889f, 1125.0f,
                            1388.8889f, 1680.5555f, 2000.0f,    0.0f};
        QTest::newRow("11 in: no bar at the rim")
            << 11.0 << 0.5 << QStringList{"0", "0.05", "0.18", "0.41", "0.73", "1.14", ""}
            << QList<float>{0.0f, 45.454544f, 181.81818f, 409.09091f, 727.27271f, 1136.3636f, 0.0f};
    }
    void profile()
    {
        QFETCH(double, diameter);
        QFETCH(double, ratio);
        QFETCH(QStringList, figures);
        QFETCH(QList<float>, bars);
        planner::ControlModel m;
        calc::curve(Value(40.0), Value(0.25), m); // leaves its bar captions behind
        calc::curve(Value(diameter), Value(ratio), m);
        for (int r = 0; r < figures.size(); ++r) {
            QCOMPARE(figure(m, r), figures[r]);
            QCOMPARE(m.height(LabelArray::label7, r), bars[r]);
            QCOMPARE(m.caption(LabelArray::label7, r), std::to_string(r));
        }
        QCOMPARE(figure(m, 20), "");
        QCOMPARE(m.height(LabelArray::label7, 20), 0.0f);
    }

    // 40 in at 0.25: r^2 / 40, rounded in plain double.
    void roundingInTheProfile()
    {
        planner::ControlModel m;
        calc::curve(Value(40.0), Value(0.25), m);
        QCOMPARE(figure(m, 13), "4.22"); // 169 / 40
        QCOMPARE(figure(m, 7), "1.23");  // 49 / 40
        QCOMPARE(figure(m, 20), "10");
        QCOMPARE(m.height(LabelArray::label7, 20), 10000.0f);
        QCOMPARE(calc::fourF, Value(40.0));
    }

    void failingProfiles()
    {
        planner::ControlModel m;
        calc::curve(Value(24.0), Value(0.75), m);
        QCOMPARE(errorOf([&] { calc::curve(Value(24.0), Value(0.0), m); }),
                 ErrorCode::InvalidOperation); // 0 / 0 at r = 0, after clearing
        QCOMPARE(figure(m, 0), "");
        QCOMPARE(m.height(LabelArray::label7, 12), 0.0f);
        QCOMPARE(errorOf([&] { calc::curve(Value(42.0), Value(0.5), m); }),
                 ErrorCode::SubscriptOutOfRange); // r = 21 has no member
        QCOMPARE(figure(m, 20), "4.76");          // 400 / 84
        QCOMPARE(calc::rdepth[21], Value(5.25));  // 441 / 84
    }
};

QTEST_GUILESS_MAIN(TestCalc)
#include "tst_calc.moc"
