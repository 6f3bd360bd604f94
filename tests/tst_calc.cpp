// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Rounding, gain and the dish profile, against figures worked out by hand.
// The worked states (tst_handlers) cover the rest of the profile.
#include "helpers.h"

#include "calc/curve.h"
#include "calc/decplaces.h"
#include "calc/ggainn.h"
#include "window/control_model.h"

using planner::LabelArray;
using rt::ErrorCode;
using rt::Value;

namespace {
const Value two(std::int16_t{2});

// The tables of cases, one row each.
namespace cases {
// clang-format off
const struct { const char* name; double x, rounded; } roundings[] = {
    {"3.125", 3.125, 3.13},         {"2.675", 2.675, 2.68},   {"1.005 lies below", 1.005, 1},
    {"7.4375", 7.4375, 7.44},       {"0.005", 0.005, 0.01},   {"0.004", 0.004, 0},
    {"-0.125 goes up", -0.125, -0.12}, {"-0.126", -0.126, -0.13},
    {"4.225 (169/40)", 4.225, 4.22}, {"1.225 (49/40)", 1.225, 1.23}};

// The gain's first digits: to 1e-5, finer than any figure shows.
const struct { const char *name, *frequency; double diameter, gainFrom; } gains[] = {
    {"10 in", "1200", 10, 5.09397},     {"40 in", "1200", 40, 81.50352},
    {"2400 MHz", "2400", 24, 117.36508}, {"10000 MHz", "10000", 40, 5659.96730},
    {"pi is 3.14159", "1716", 24, 59.99996}};
// clang-format on
} // namespace cases

QString figure(const planner::ControlModel& m, int r)
{
    return QString::fromStdString(m.caption(LabelArray::label8, r));
}
} // namespace

class TestCalc : public QObject {
    Q_OBJECT
private slots:
    void decplaces_data() { rows::add(cases::roundings); }
    void decplaces()
    {
        const auto& r = rows::current(cases::roundings);
        calc::decplaces(Value(r.x), two);
        QCOMPARE(calc::rounded, Value(r.rounded));
        QCOMPARE(errorOf([] { calc::decplaces(Value(1e307), two); }), ErrorCode::Overflow);
        QCOMPARE(calc::rounded, Value(r.rounded)); // a failed call leaves the slot
    }

    void ggainn_data() { rows::add(cases::gains); }
    void ggainn()
    {
        const auto& r = rows::current(cases::gains);
        calc::ggainn(Value(r.frequency), Value(r.diameter));
        const double g = calc::gain.toDouble();
        QVERIFY2(g >= r.gainFrom && g < r.gainFrom + 1e-5, qPrintable(QString::number(g, 'g', 17)));
        QCOMPARE(errorOf([] { calc::ggainn(Value(" .0 "), Value(24.0)); }),
                 ErrorCode::DivisionByZero);
        QCOMPARE(errorOf([] { calc::ggainn(Value("12 GHz"), Value(24.0)); }),
                 ErrorCode::TypeMismatch);
        QCOMPARE(calc::gain.toDouble(), g);
    }

    // 40 in at 0.25 is r^2 / 40, rounded in plain double; then 11 in at 0.5
    // clears what lies beyond its rim but leaves the bars' captions.
    void profile()
    {
        planner::ControlModel m;
        calc::curve(Value(40.0), Value(0.25), m);
        QCOMPARE(figure(m, 13), "4.22"); // 169 / 40
        QCOMPARE(figure(m, 7), "1.23");  // 49 / 40
        QCOMPARE(figure(m, 20), "10");
        QCOMPARE(m.height(LabelArray::label7, 20), 10000.0f);
        calc::curve(Value(11.0), Value(0.5), m);
        QCOMPARE(figure(m, 5), "1.14"); // 25 / 22
        QCOMPARE(m.height(LabelArray::label7, 5), 1136.3636f);
        for (int r : {6, 20}) {
            QCOMPARE(figure(m, r), "");
            QCOMPARE(m.height(LabelArray::label7, r), 0.0f);
            QCOMPARE(m.caption(LabelArray::label7, r), std::to_string(r));
        }
        QCOMPARE(errorOf([&] { calc::curve(Value(11.0), Value(0.0), m); }),
                 ErrorCode::InvalidOperation); // 0 / 0 at r = 0, after clearing
        QCOMPARE(figure(m, 0), "");
    }
};

QTEST_GUILESS_MAIN(TestCalc)
#include "tst_calc.moc"
