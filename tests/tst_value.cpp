// The runtime's numbers: text forms, Val, the strict reading, arithmetic,
// Int, the integer and single conversions and the counting loop. Expected
// figures are written out by hand.
#include <clocale>
#include <cmath>
#include <limits>
#include <vector>

#include <QtTest>

#include "errors.h"

#include "runtime/counting_loop.h"
#include "runtime/value.h"

using rt::ErrorCode;
using rt::Value;

Q_DECLARE_METATYPE(ErrorCode)

namespace {
constexpr double inf = std::numeric_limits<double>::infinity();

} // namespace

class TestValue : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Run once more by ctest under a comma-decimal locale: make sure it took.
        if (qgetenv("LC_ALL") == "de_DE.UTF-8")
            QCOMPARE(std::localeconv()->decimal_point, ",");
    }

    void intToText_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << "0";
        QTest::newRow("negative") << -42 << "-42";
        QTest::newRow("frequency") << 1200 << "1200";
        QTest::newRow("16-bit top") << 32767 << "32767";
        QTest::newRow("16-bit bottom") << -32768 << "-32768";
    }
    void intToText()
    {
        QFETCH(int, i);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(rt::intToText(i)), text);
    }

    void doubleToText_data()
    {
        QTest::addColumn<double>("d");
        QTest::addColumn<QString>("text");
        QTest::newRow("3 x 0.1") << 3 * 0.1 << "0.3";
        QTest::newRow("1.5 x 25.4") << 1.5 * 25.4 << "38.1";
        QTest::newRow("2.3 x 25.4") << 2.3 * 25.4 << "58.42";
        QTest::newRow("3.13 x 25.4") << 3.13 * 25.4 << "79.502";
        QTest::newRow("23 x 0.1") << 23 * 0.1 << "2.3";
        QTest::newRow("313 / 100") << 313.0 / 100 << "3.13";
        QTest::newRow("two thirds") << 2.0 / 3 << "0.666666666666667";
        QTest::newRow("negative half") << -0.125 << "-0.125";
        QTest::newRow("whole") << 2540.0 << "2540";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("15 digits") << 123456789012345.0 << "123456789012345";
        QTest::newRow("1e15") << 1e15 << "1E+15";
        QTest::newRow("1e-4") << 0.0001 << "0.0001";
        QTest::newRow("1e-5") << 0.00001 << "1E-05";
        QTest::newRow("1.5e-5") << -0.000015 << "-1.5E-05";
        QTest::newRow("largest") << std::numeric_limits<double>::max() << "1.79769313486232E+308";
    }
    void doubleToText()
    {
        QFETCH(double, d);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(rt::doubleToText(d)), text);
    }

    void textOfEachKind()
    {
        QCOMPARE(Value().toText(), "");
        QCOMPARE(Value(std::int16_t{-7}).toText(), "-7");
        QCOMPARE(Value(0.5).toText(), "0.5");
        QCOMPARE(Value(" 1 2").toText(), " 1 2");
        QCOMPARE(errorOf([] { rt::doubleToText(inf); }), ErrorCode::Overflow);
    }

    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blank inside") << " 1 2" << 12.0;
        QTest::newRow("leading point") << ".49" << 0.49;
        QTest::newRow("whole") << "1200" << 1200.0;
        QTest::newRow("tab and line feed") << "\t4\n5" << 45.0;
        QTest::newRow("sign then blanks") << " - 3" << -3.0;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("exponent and junk") << "-1.5e2x" << -150.0;
        QTest::newRow("capital exponent") << "2E+3" << 2000.0;
        QTest::newRow("negative exponent") << "1e-2" << 0.01;
        QTest::newRow("exponent without digits") << "1e" << 1.0;
        QTest::newRow("exponent sign only") << "1e+" << 1.0;
        QTest::newRow("junk after") << "12abc" << 12.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("comma stops") << "1,5" << 1.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("carriage return stops") << "1\r2" << 1.0;
        QTest::newRow("too large") << "1e400" << inf;
        QTest::newRow("too large negative") << "-1e400" << -inf;
        QTest::newRow("too small") << "1e-400" << 0.0;
        QTest::newRow("huge exponent") << "1e99999999999999" << inf;
    }
    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(rt::val(text.toStdString()), number);
    }

    void strictReadsNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("figure") << "58.42" << 58.42;
        QTest::newRow("blanks around") << " -3 " << -3.0;
        QTest::newRow("exponent form") << "1E-05" << 0.00001;
        QTest::newRow("plus") << "+2" << 2.0;
        QTest::newRow("leading point") << ".49" << 0.49;
        QTest::newRow("below a double") << "1e-400" << 0.0;
        QTest::newRow("largest double's text")
            << "1.79769313486232E+308" << std::numeric_limits<double>::max();
    }
    void strictReadsNumbers()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(rt::strictToDouble(text.toStdString()), number);
    }

    void strictRejects_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ErrorCode>("error");
        for (const char* t :
             {"", "   ", "1 2", "12abc", "1,5", "abc", "-", ".", "1e", "1.2.3", "1\n"})
            QTest::newRow(t) << t << ErrorCode::TypeMismatch;
        QTest::newRow("too large") << "1e400" << ErrorCode::Overflow;
        QTest::newRow("just past the largest") << "1.7976931348624E+308" << ErrorCode::Overflow;
    }
    void strictRejects()
    {
        QFETCH(QString, text);
        QFETCH(ErrorCode, error);
        QCOMPARE(errorOf([&] { rt::strictToDouble(text.toStdString()); }), error);
    }

    void arithmetic()
    {
        QCOMPARE(Value(std::int16_t{30000}) / Value("1200"), Value(25.0));
        QCOMPARE(Value(std::int16_t{2}) + Value(std::int16_t{3}), Value(5.0));
        QCOMPARE(Value() + Value(std::int16_t{2}), Value(2.0));
        QCOMPARE(rt::power(Value(std::int16_t{10}), Value(std::int16_t{2})), Value(100.0));
        QCOMPARE(Value("2.5") * Value(std::int16_t{4}), Value(10.0));
    }

    void arithmeticErrors_data()
    {
        QTest::addColumn<int>("op"); // 0 +, 1 *, 2 /, 3 ^
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<ErrorCode>("error");
        QTest::newRow("1 / 0") << 2 << 1.0 << 0.0 << ErrorCode::DivisionByZero;
        QTest::newRow("0 / 0") << 2 << 0.0 << 0.0 << ErrorCode::InvalidOperation;
        QTest::newRow("times overflows") << 1 << 1e308 << 10.0 << ErrorCode::Overflow;
        QTest::newRow("plus overflows") << 0 << 1.7e308 << 1.7e308 << ErrorCode::Overflow;
        QTest::newRow("divide overflows") << 2 << 1e308 << 1e-10 << ErrorCode::Overflow;
        QTest::newRow("root of negative") << 3 << -8.0 << 1.0 / 3 << ErrorCode::InvalidOperation;
        QTest::newRow("0 to a negative") << 3 << 0.0 << -1.0 << ErrorCode::DivisionByZero;
        QTest::newRow("power overflows") << 3 << 10.0 << 400.0 << ErrorCode::Overflow;
    }
    void arithmeticErrors()
    {
        QFETCH(int, op);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(ErrorCode, error);
        const Value x(a), y(b);
        const auto run = [&] {
            switch (op) {
            case 0:
                return x + y;
            case 1:
                return x * y;
            case 2:
                return x / y;
            default:
                return rt::power(x, y);
            }
        };
        QCOMPARE(errorOf(run), error);
    }

    void textOperandMustBeANumber()
    {
        QCOMPARE(errorOf([] { Value("x") * Value(1.0); }), ErrorCode::TypeMismatch);
        QCOMPARE(errorOf([] { Value(std::int16_t{30000}) / Value(""); }), ErrorCode::TypeMismatch);
    }

    void intFloors_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("floor");
        QTest::newRow("740.5") << 740.5 << 740.0;
        QTest::newRow("-0.5") << -0.5 << -1.0;
        QTest::newRow("-2") << -2.0 << -2.0;
        QTest::newRow("2.999") << 2.999 << 2.0;
    }
    void intFloors()
    {
        QFETCH(double, x);
        QFETCH(double, floor);
        QCOMPARE(rt::Int(Value(x)), Value(floor));
    }

    void toInt16_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("i");
        QTest::addColumn<bool>("overflows");
        QTest::newRow("2.5 to even") << 2.5 << 2 << false;
        QTest::newRow("3.5 to even") << 3.5 << 4 << false;
        QTest::newRow("-2.5 to even") << -2.5 << -2 << false;
        QTest::newRow("0.5 to even") << 0.5 << 0 << false;
        QTest::newRow("2.4") << 2.4 << 2 << false;
        QTest::newRow("2.6") << 2.6 << 3 << false;
        QTest::newRow("top") << 32767.0 << 32767 << false;
        QTest::newRow("bottom") << -32768.0 << -32768 << false;
        QTest::newRow("top + 0.4") << 32767.4 << 32767 << false;
        QTest::newRow("bottom - 0.5, even") << -32768.5 << -32768 << false;
        QTest::newRow("top + 0.5 rounds out") << 32767.5 << 0 << true;
        QTest::newRow("32768") << 32768.0 << 0 << true;
        QTest::newRow("-32769") << -32769.0 << 0 << true;
        QTest::newRow("not a number") << std::nan("") << 0 << true;
    }
    void toInt16()
    {
        QFETCH(double, x);
        QFETCH(int, i);
        QFETCH(bool, overflows);
        if (overflows)
            QCOMPARE(errorOf([&] { rt::toInt16(Value(x)); }), ErrorCode::Overflow);
        else
            QCOMPARE(rt::toInt16(Value(x)), i);
    }

    void toInt32Edges()
    {
        QCOMPARE(rt::toInt32(Value(2147483647.0)), 2147483647);
        QCOMPARE(rt::toInt32(Value(-2147483648.5)), std::numeric_limits<std::int32_t>::min());
        QCOMPARE(errorOf([] { rt::toInt32(Value(2147483647.5)); }), ErrorCode::Overflow);
        QCOMPARE(rt::toInt32(Value("40")), 40);
    }

    void toSingle()
    {
        QCOMPARE(rt::toSingle(Value(1000.0 / 72)), 13.888889f);
        QCOMPARE(rt::toSingle(Value(2.5)), 2.5f);
        QCOMPARE(errorOf([] { rt::toSingle(Value(1e39)); }), ErrorCode::Overflow);
    }

    void countingLoop_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("runs");
        QTest::addColumn<double>("last");
        QTest::newRow("fractional end") << 0.0 << 12.5 << 1.0 << 13 << 12.0;
        QTest::newRow("0 to 20") << 0.0 << 20.0 << 1.0 << 21 << 20.0;
        QTest::newRow("0 to 5.5") << 0.0 << 5.5 << 1.0 << 6 << 5.0;
        QTest::newRow("once") << 0.0 << 0.0 << 1.0 << 1 << 0.0;
        QTest::newRow("never") << 1.0 << 0.0 << 1.0 << 0 << -1.0;
        QTest::newRow("downwards") << 3.0 << 0.5 << -1.0 << 3 << 1.0;
    }
    void countingLoop()
    {
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(double, step);
        QFETCH(int, runs);
        QFETCH(double, last);
        std::vector<double> seen;
        rt::countingLoop(Value(start), Value(end), Value(step),
                         [&](const Value& r) { seen.push_back(r.toDouble()); });
        QCOMPARE(int(seen.size()), runs);
        if (runs > 0)
            QCOMPARE(seen.back(), last);
    }

    void countingLoopTakesItsBoundsOnce()
    {
        Value end(2.0);
        int runs = 0;
        rt::countingLoop(Value(0.0), end, Value(1.0), [&](const Value&) {
            ++runs;
            end = Value(10.0);
        });
        QCOMPARE(runs, 3);
        QCOMPARE(errorOf([] {
                     rt::countingLoop(Value(0.0), Value(1.0), Value(0.0), [](const Value&) {});
                 }),
                 ErrorCode::InvalidOperation);
    }

    void errorsSayWhichError()
    {
        QCOMPARE(QString(rt::RuntimeError(ErrorCode::DivisionByZero).what()),
                 "Run-time error 11: Division by zero");
        QCOMPARE(QString(rt::RuntimeError(ErrorCode::SubscriptOutOfRange).what()),
                 "Run-time error 9: Subscript out of range");
    }

    void commaDecimalLocale()
    {
        const std::string saved = std::setlocale(LC_ALL, nullptr);
        QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8"), "the de_DE.UTF-8 locale is not installed");
        QCOMPARE(std::localeconv()->decimal_point, ",");
        const std::string shown = rt::doubleToText(23 * 0.1);
        const double read = rt::val(".49");
        const double strict = rt::strictToDouble("2.5");
        const ErrorCode comma = errorOf([] { rt::strictToDouble("2,5"); });
        std::setlocale(LC_ALL, saved.c_str());
        QCOMPARE(shown, "2.3");
        QCOMPARE(read, 0.49);
        QCOMPARE(strict, 2.5);
        QCOMPARE(comma, ErrorCode::TypeMismatch);
    }
};

QTEST_GUILESS_MAIN(TestValue)
#include "tst_value.moc"
