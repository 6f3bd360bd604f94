// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's numbers, against figures written out by hand: the
// runtime's text forms, its two readings, arithmetic, conversions and
// counting loop; then rounding, gain and the dish profile (the worked
// states, run through each view, cover the rest of the profile).
#include <clocale>
#include <limits>
#include <vector>

#include "helpers.h"
#include "number_examples.h"

#include "calc/curve.h"
#include "calc/decplaces.h"
#include "calc/ggainn.h"
#include "runtime/counting_loop.h"
#include "runtime/value.h"
#include "window/control_model.h"

using planner::LabelArray;
using rt::ErrorCode;
using rt::Value;

namespace {
using examples::none, examples::TM, examples::OV;
constexpr auto DZ = ErrorCode::DivisionByZero, IO = ErrorCode::InvalidOperation;
constexpr int fails = 99999; // a conversion that overflows
const auto i16 = [](int i) { return Value(std::int16_t(i)); };

// The tables of cases, one row each.
namespace cases {
// clang-format off
const struct { const char* name; Value (*compute)(); double result; ErrorCode error; } sums[] = {
    {"30000 / text", [] { return i16(30000) / Value("1200"); }, 25, none},
    {"integers widen", [] { return i16(2) + i16(3); }, 5, none},
    {"empty is 0", [] { return Value() + i16(2); }, 2, none},
    {"text times", [] { return Value("2.5") * i16(4); }, 10, none},
    {"0 ^ 0", [] { return rt::power(0.0, 0.0); }, 1, none},
    {"Int 740.5", [] { return rt::Int(740.5); }, 740, none},
    {"Int -0.5", [] { return rt::Int(-0.5); }, -1, none},
    {"1 / 0", [] { return Value(1.0) / Value(0.0); }, 0, DZ},
    {"0 / 0", [] { return Value(0.0) / Value(0.0); }, 0, IO},
    {"* overflows", [] { return Value(1e308) * i16(10); }, 0, OV},
    {"+ overflows", [] { return Value(1.7e308) + Value(1.7e308); }, 0, OV},
    {"/ overflows", [] { return Value(1e308) / Value(1e-10); }, 0, OV},
    {"root of negative", [] { return rt::power(-8.0, 1.0 / 3); }, 0, IO},
    {"0 ^ -1", [] { return rt::power(0.0, -1.0); }, 0, DZ},
    {"^ overflows", [] { return rt::power(i16(10), 400.0); }, 0, OV},
    {"text not a number", [] { return Value("x") * Value(1.0); }, 0, TM}};

// Nearest, ties to even.
const struct { const char* name; double x; int int16; qint64 int32; } conversions[] = {
    {"2.5", 2.5, 2, 2}, {"3.5", 3.5, 4, 4}, {"-2.5", -2.5, -2, -2}, {"2.6", 2.6, 3, 3},
    {"32767.4", 32767.4, 32767, 32767}, {"-32768.5", -32768.5, -32768, -32768},
    {"32767.5", 32767.5, fails, 32768}, {"-32769", -32769, fails, -32769},
    {"-2147483648.5", -2147483648.5, fails, -2147483648LL},
    {"2147483647.5", 2147483647.5, fails, fails}, {"NaN", std::nan(""), fails, fails}};

const struct { const char* name; double start, end, step; std::vector<double> seen; } loops[] = {
    {"fractional end", 0, 2.5, 1, {0, 1, 2}},  {"end reached", 0, 2, 1, {0, 1, 2}},
    {"never", 1, 0, 1, {}},                    {"downwards", 3, 1, -1, {3, 2, 1}},
    {"downwards, fractional", 3, 1.5, -1, {3, 2}}};

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

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void textForms_data() { rows::add(examples::textForms); }
    void textForms()
    {
        const auto& r = rows::current(examples::textForms);
        QCOMPARE(r.value.toText(), r.name);
    }

    void readings_data() { rows::add(examples::readings); }
    void readings()
    {
        const auto& r = rows::current(examples::readings);
        QCOMPARE(rt::val(r.name), r.val);
        QCOMPARE(errorOf([&] { QCOMPARE(rt::strictToDouble(r.name), r.val); }), r.strict);
    }

    void arithmetic_data() { rows::add(cases::sums); }
    void arithmetic()
    {
        const auto& r = rows::current(cases::sums);
        Value got;
        QCOMPARE(errorOf([&] { got = r.compute(); }), r.error);
        if (r.error == none)
            QCOMPARE(got, Value(r.result)); // always a double
    }

    void conversions_data() { rows::add(cases::conversions); }
    void conversions()
    {
        const auto& r = rows::current(cases::conversions);
        qint64 got16 = fails, got32 = fails;
        errorOf([&] { got16 = rt::toInt16(Value(r.x)); });
        errorOf([&] { got32 = rt::toInt32(Value(r.x)); });
        QCOMPARE(got16, r.int16);
        QCOMPARE(got32, r.int32);
    }

    void countingLoop_data() { rows::add(cases::loops); }
    void countingLoop()
    {
        const auto& r = rows::current(cases::loops);
        Value last(r.end);
        std::vector<double> got;
        rt::countingLoop(Value(r.start), last, Value(r.step), [&](const Value& at) {
            got.push_back(at.toDouble());
            last = Value(10.0); // the end was taken once, at entry
        });
        QCOMPARE(got, r.seen);
    }

    // What fails whatever the row: a single beyond its range, a loop that
    // would never end.
    void conversionAndLoopErrors()
    {
        QCOMPARE(errorOf([] { rt::toSingle(Value(1e39)); }), OV);
        QCOMPARE(errorOf([] { rt::countingLoop(i16(0), i16(1), i16(0), [](const Value&) {}); }),
                 IO);
    }

    // The other messages show in the handlers' error lines.
    void errorMessages()
    {
        QCOMPARE(rt::RuntimeError(OV).what(), "Run-time error 6: Overflow");
        QCOMPARE(rt::RuntimeError(TM).what(), "Run-time error 13: Type mismatch");
    }

    // A comma-decimal process locale changes nothing.
    void commaDecimalLocale()
    {
        const std::string saved = std::setlocale(LC_ALL, nullptr);
        QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8"), "the de_DE.UTF-8 locale is not installed");
        const std::string shown = rt::doubleToText(23 * 0.1);
        const double read = rt::val(".49"), strict = rt::strictToDouble("2.5");
        const ErrorCode comma = errorOf([] { rt::strictToDouble("2,5"); });
        std::setlocale(LC_ALL, saved.c_str());
        QCOMPARE(shown, "2.3");
        QCOMPARE(read, 0.49);
        QCOMPARE(strict, 2.5);
        QCOMPARE(comma, TM);
    }

    void decplaces_data() { rows::add(cases::roundings); }
    void decplaces()
    {
        const auto& r = rows::current(cases::roundings);
        calc::decplaces(Value(r.x), i16(2));
        QCOMPARE(calc::rounded, Value(r.rounded));
        QCOMPARE(errorOf([] { calc::decplaces(Value(1e307), i16(2)); }), ErrorCode::Overflow);
        QCOMPARE(calc::rounded, Value(r.rounded)); // a failed call leaves the slot
    }

    void ggainn_data() { rows::add(cases::gains); }
    void ggainn()
    {
        const auto& r = rows::current(cases::gains);
        calc::ggainn(Value(r.frequency), Value(r.diameter));
        const double g = calc::gain.toDouble();
        QVERIFY2(g >= r.gainFrom && g < r.gainFrom + 1e-5, qPrintable(QString::number(g, 'g', 17)));
        QCOMPARE(errorOf([] { calc::ggainn(Value("12 GHz"), Value(24.0)); }),
                 ErrorCode::TypeMismatch); // a frequency of 0: see the handlers' errors
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
        calc::curve(Value(11.0), Value(0.5), m);
        QCOMPARE(m.height(LabelArray::label7, 5), 1136.3636f); // 25 / 22 inches, in twips
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

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
