// What a screen reader gets, read through Qt's accessibility interfaces in
// the process: names, roles, descriptions, values and change events.
#include <QAccessible>
#include <QtTest>

#include "window/planner_window.h"
#include "window_probe.h"
#include "window_test.h"

namespace {

QAccessibleInterface* reader(QWidget* w, const QString& name)
{
    QWidget* c = w->findChild<QWidget*>(name);
    return c ? QAccessible::queryAccessibleInterface(c) : nullptr;
}

} // namespace

class TestAccessibility : public WindowTest {
    Q_OBJECT

private slots:

    void whatIsRead_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const int text = QAccessible::StaticText, bar = QAccessible::ScrollBar;
        QTest::newRow("vsbFreq") << "vsbFreq" << bar << "Frequency in MHz"
                                 << "";
        QTest::newRow("vsbDiam") << "vsbDiam" << bar << "Diameter in inches"
                                 << "";
        QTest::newRow("vsbDepth") << "vsbDepth" << bar << "Depth in tenths of an inch"
                                  << "";
        QTest::newRow("heading keeps its blanks") << "Label5" << text << "   Depth   in ins."
                                                  << "";
        QTest::newRow("lblFdr") << "lblFdr" << text << "0.31"
                                << "F/D ratio";
        QTest::newRow("lblGain") << "lblGain" << text << "5"
                                 << "Gain as a power ratio";
        QTest::newRow("lblFlen") << "lblFlen" << text << "3.13"
                                 << "Focal length in inches";
        QTest::newRow("tooltip stays") << "Label11" << text << "79.502"
                                       << "Focal length in Millimeters";
        QTest::newRow("figure at 1 inch") << "label8(1)" << text << "0.08"
                                          << "Depth at 1 inch from the centre";
        QTest::newRow("figure at 3 inches") << "label8(3)" << text << "0.73"
                                            << "Depth at 3 inches from the centre";
        QTest::newRow("figure 5 keeps its tooltip") << "label8(5)" << text << "2.02"
                                                    << "One inch or 25.4 mm. appart";
        QTest::newRow("bar 4") << "label7(4)" << text << "4"
                               << "Bar for the depth at 4 inches from the centre";
        QTest::newRow("Exit") << "cmdExit" << int(QAccessible::Button) << "Exit"
                              << "";
    }
    void whatIsRead()
    {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QAccessibleInterface* a = reader(w, control);
        QVERIFY(a);
        QCOMPARE(int(a->role()), role);
        QCOMPARE(a->text(QAccessible::Name), name);
        QCOMPARE(a->text(QAccessible::Description), description);
    }

    // A label's name is its caption as now shown; the change events that tell
    // a screen reader to read it again need a live accessibility bridge,
    // which the offscreen platform has not.
    void namesFollowTheCaptions()
    {
        QScrollBar* diam = probe::bar(w, "vsbDiam");
        probe::keyTo(diam, 11);
        QCOMPARE(reader(w, "vsbDiam")->valueInterface()->currentValue().toInt(), 11);
        QCOMPARE(reader(w, "lblDiam")->text(QAccessible::Name), "11");
        QCOMPARE(reader(w, "lblFdr")->text(QAccessible::Name), "0.34");
        QCOMPARE(reader(w, "label8(5)")->text(QAccessible::Name), "1.67"); // 25 / 14.96 = 1.6711
    }

    void labelsAreNeverFocusable()
    {
        QAccessibleInterface* a = reader(w, "lblGain");
        QVERIFY(!a->state().focusable);
        QVERIFY(reader(w, "vsbFreq")->state().focusable);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
