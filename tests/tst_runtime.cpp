// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The runtime's numbers: text forms, the two readings, arithmetic, the
// conversions and the counting loop, against figures written out by hand.
#include <clocale>
#include <limits>

#include <QtTest>

#include "errors.h"

#include "runtime/counting_loop.h"
#include "runtime/value.h"

using rt::ErrorCode;
using rt::Value;
Q_DECLARE_METATYPE(ErrorCode)
Q_DECLARE_METATYPE(Value)

namespace {
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double top = std::numeric_limits<double>::max();
constexpr auto none = ErrorCode{}, TM = ErrorCode::TypeMismatch, OV = ErrorCode::Overflow;
constexpr auto DZ = ErrorCode::DivisionByZero, IO = ErrorCode::InvalidOperation;
const Value i16(int i)
{
    return Value(std::int16_t(i));
}
} // namespace

class TestRuntime : public QObject {
    Q_OBJECT
private slots:
    void textForms_data()
    {
        QTest::addColumn<Value>("value");
        QTest::addColumn<QString>("text");
        // clang-format off
        const std::pair<Value, const char*> rows[] = {
            {Value(), ""}, {i16(-42), "-42"}, {Value(" 1 2"), " 1 2"}, {3 * 0.1, "0.3"},
            {1.5 * 25.4, "38.1"}, {313.0 / 100, "3.13"}, {2.0 / 3, "0.666666666666667"},
            {-0.125, "-0.125"}, {-0.0, "0"}, {123456789012345.0, "123456789012345"},
            {1e15, "1E+15"}, {0.0001, "0.0001"}, {-0.000015, "-1.5E-05"},
            {top, "1.79769313486232E+308"}};
        // clang-format on
        for (const auto& [value, text] : rows)
            QTest::newRow(text) << value << text;
    }
    void textForms()
    {
        QFETCH(Value, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(value.toText()), text);
    }

    // Val never fails; the strict reading takes a number and nothing else.
    void readings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("val");
        QTest::addColumn<ErrorCode>("error"); // of the strict reading, which else gives val
        // clang-format off
        const std::tuple<const char*, double, ErrorCode> rows[] = {
            {"", 0, TM},            {" 1 2", 12, TM},          {".49", 0.49, none},
            {" -3 ", -3, none},     {"\t4\n5", 45, TM},        {"-1.5e2x", -150, TM},
            {"+2E+3", 2000, none},  {"1E-05", 0.00001, none},  {"1e", 1, TM},
            {"1,5", 1, TM},         {"1.2.3", 1.2, TM},        {"abc", 0, TM},
            {"-", 0, TM},           {"1\r2", 1, TM},           {"1e-400", 0, none},
            {"-1e400", -inf, OV},   {"1e99999999999999", inf, OV},
            {"1.79769313486232E+308", top, none}, // the largest double's own text
            {"1.797693134862324E+308", top, none}, {"1.797693134862326E+308", inf, OV}};
        // clang-format on
        for (const auto& [text, val, error] : rows)
            QTest::newRow(text) << text << val << error;
    }
    void readings()
    {
        QFETCH(QString, text);
        QFETCH(double, val);
        QFETCH(ErrorCode, error);
        const std::string s = text.toStdString();
        QCOMPARE(rt::val(s), val);
        QCOMPARE(errorOf([&] { QCOMPARE(rt::strictToDouble(s), val); }), error);
    }

    void arithmetic_data()
    {
        QTest::addColumn<char>("op");
        QTest::addColumn<Value>("a");
        QTest::addColumn<Value>("b");
        QTest::addColumn<double>("result");
        QTest::addColumn<ErrorCode>("error");
        const std::tuple<const char*, char, Value, Value, double, ErrorCode> rows[] = {
            {"30000 / text", '/', i16(30000), Value("1200"), 25, none},
            {"integers widen", '+', i16(2), i16(3), 5, none},
            {"empty is 0", '+', Value(), i16(2), 2, none},
            {"text times", '*', Value("2.5"), i16(4), 10, none},
            {"0 ^ 0", '^', 0.0, 0.0, 1, none},
            {"Int 740.5", 'I', 740.5, Value(), 740, none},
            {"Int -0.5", 'I', -0.5, Value(), -1, none},
            {"1 / 0", '/', 1.0, 0.0, 0, DZ},
            {"0 / 0", '/', 0.0, 0.0, 0, IO},
            {"* overflows", '*', 1e308, i16(10), 0, OV},
            {"+ overflows", '+', 1.7e308, 1.7e308, 0, OV},
            {"/ overflows", '/', 1e308, 1e-10, 0, OV},
            {"root of negative", '^', -8.0, 1.0 / 3, 0, IO},
            {"0 ^ -1", '^', 0.0, -1.0, 0, DZ},
            {"^ overflows", '^', i16(10), 400.0, 0, OV},
            {"text not a number", '*', Value("x"), 1.0, 0, TM}};
        for (const auto& [name, op, a, b, result, error] : rows)
            QTest::newRow(name) << op << a << b << result << error;
    }
    void arithmetic()
    {
        QFETCH(char, op);
        QFETCH(Value, a);
        QFETCH(Value, b);
        QFETCH(double, result);
        QFETCH(ErrorCode, error);
        Value r;
        QCOMPARE(errorOf([&] {
                     r = op == '+'   ? a + b
                         : op == '*' ? a * b
                         : op == '/' ? a / b
                         : op == '^' ? rt::power(a, b)
                                     : rt::Int(a);
                 }),
                 error);
        if (error == none)
            QCOMPARE(r, Value(result)); // always a double
    }

    // Nearest, ties to even; 99999 stands for the overflow error.
    void conversions_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("int16");
        QTest::addColumn<qint64>("int32");
        // clang-format off
        const std::tuple<double, int, qint64> rows[] = {
            {2.5, 2, 2}, {3.5, 4, 4}, {-2.5, -2, -2}, {2.6, 3, 3}, {32767.4, 32767, 32767},
            {-32768.5, -32768, -32768}, {32767.5, 99999, 32768}, {-32769, 99999, -32769},
            {-2147483648.5, 99999, -2147483648LL}, {2147483647.5, 99999, 99999},
            {std::nan(""), 99999, 99999}};
        // clang-format on
        for (const auto& [x, int16, int32] : rows)
            QTest::addRow("%.1f", x) << x << int16 << int32;
    }
    void conversions()
    {
        QFETCH(double, x);
        QFETCH(int, int16);
        QFETCH(qint64, int32);
        int got16 = 99999;
        qint64 got32 = 99999;
        errorOf([&] { got16 = rt::toInt16(Value(x)); });
        errorOf([&] { got32 = rt::toInt32(Value(x)); });
        QCOMPARE(got16, int16);
        QCOMPARE(got32, int32);
        QCOMPARE(rt::toSingle(Value(1000.0 / 72)), 13.888889f);
        QCOMPARE(errorOf([] { rt::toSingle(Value(1e39)); }), OV);
    }

    void countingLoop_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<double>("step");
        QTest::addColumn<QList<double>>("seen");
        QTest::newRow("fractional end") << 0.0 << 2.5 << 1.0 << QList<double>{0, 1, 2};
        QTest::newRow("end reached") << 0.0 << 2.0 << 1.0 << QList<double>{0, 1, 2};
        QTest::newRow("never") << 1.0 << 0.0 << 1.0 << QList<double>{};
        QTest::newRow("downwards") << 3.0 << 1.0 << -1.0 << QList<double>{3, 2, 1};
        QTest::newRow("downwards, fractional") << 3.0 << 1.5 << -1.0 << QList<double>{3, 2};
    }
    void countingLoop()
    {
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(double, step);
        QFETCH(QList<double>, seen);
        Value last(end);
        QList<double> got;
        rt::countingLoop(Value(start), last, Value(step), [&](const Value& r) {
            got.append(r.toDouble());
            last = Value(10.0); // the end was taken once, at entry
        });
        QCOMPARE(got, seen);
        QCOMPARE(errorOf([] { rt::countingLoop(i16(0), i16(1), i16(0), [](const Value&) {}); }),
                 IO);
    }

    void errorMessages()
    {
        const std::pair<ErrorCode, const char*> rows[] = {
            {IO, "Run-time error 5: Invalid operation"},
            {OV, "Run-time error 6: Overflow"},
            {ErrorCode::SubscriptOutOfRange, "Run-time error 9: Subscript out of range"},
            {DZ, "Run-time error 11: Division by zero"},
            {TM, "Run-time error 13: Type mismatch"}};
        for (const auto& [code, message] : rows)
            QCOMPARE(rt::RuntimeError(code).what(), message);
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
};

QTEST_GUILESS_MAIN(TestRuntime)
#include "tst_runtime.moc"
