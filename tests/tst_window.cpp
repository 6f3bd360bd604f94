// The Qt window: geometry, looks and what real keyboard and mouse events do
// to the scroll bars, the focus and the Exit button.
#include <QPushButton>
#include <QtTest>

#include "window/planner_window.h"
#include "window_probe.h"
#include "window_test.h"

using probe::bar;

class TestWindow : public WindowTest {
    Q_OBJECT

private slots:

    void windowFrame()
    {
        QCOMPARE(w->size(), QSize(792, 573));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!w->windowTitle().isEmpty());
        const QList<QSize> sizes = w->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
        QCOMPARE(w->findChildren<QWidget*>().size(), 61);
    }

    void widgetsInPixels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Label5") << "Label5" << QRect(288, 8, 49, 25);
        QTest::newRow("lblFreq") << "lblFreq" << QRect(16, 48, 49, 17);
        QTest::newRow("lblDiam") << "lblDiam" << QRect(88, 40, 41, 17);
        QTest::newRow("vsbDiam") << "vsbDiam" << QRect(96, 88, 17, 121);
        QTest::newRow("cmdExit") << "cmdExit" << QRect(512, 24, 73, 25);
        QTest::newRow("label8(20)") << "label8(20)" << QRect(648, 224, 23, 17);
    }
    void widgetsInPixels()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QWidget* c = w->findChild<QWidget*>(name);
        QVERIFY(c);
        QCOMPARE(c->geometry(), pixels);
    }

    void looks()
    {
        QCOMPARE(probe::caption(w, "Label5"), "   Depth   in ins.");
        QCOMPARE(w->findChild<QWidget*>("label8(0)")->toolTip(),
                 "Centre of dish only Radius dimentions shown shown ");
        QCOMPARE(w->findChild<QWidget*>("label8(5)")->toolTip(), "One inch or 25.4 mm. appart");
        QCOMPARE(w->findChild<QWidget*>("Label10")->toolTip(), "Depth in Millimeters");
        const QFont bold = w->findChild<QWidget*>("lblGain")->font();
        QCOMPARE(bold.pointSizeF(), 9.75);
        QCOMPARE(bold.weight(), QFont::Bold);
        QCOMPARE(w->findChild<QWidget*>("Label9")->font().weight(), QFont::Normal);
        QCOMPARE(w->findChild<QPushButton*>("cmdExit")->text(), "E&xit");
    }

    void barsHangFromTheirTopAndAreCutOff()
    {
        probe::keyTo(bar(w, "vsbDiam"), 40);
        probe::keyTo(bar(w, "vsbDepth"), 50);
        QWidget* rim = w->findChild<QWidget*>("label7(20)");
        QCOMPARE(rim->geometry(), QRect(648, 248, 23, 333)); // 5000 twips
        // The window does not grow: the bar's last shown row is the window's last.
        const QImage shot = w->grab().toImage();
        const qreal scale = shot.devicePixelRatio();
        QCOMPARE(shot.size(), QSize(792, 573) * scale);
        QCOMPARE(QColor(shot.pixel(int(660 * scale), shot.height() - 1)), QColor(0, 255, 255));
        // Member 1 of this dish is 12.5 twips deep: one pixel.
        QCOMPARE(w->findChild<QWidget*>("label7(1)")->height(), 1);
    }

    void scrollBarSettings()
    {
        for (const char* name : {"vsbFreq", "vsbDiam", "vsbDepth"}) {
            QScrollBar* b = bar(w, name);
            QCOMPARE(b->orientation(), Qt::Vertical);
            QVERIFY(!b->invertedAppearance());
            QVERIFY(!b->hasTracking());
            QCOMPARE(b->focusPolicy(), Qt::StrongFocus);
        }
        QCOMPARE(bar(w, "vsbFreq")->singleStep(), 1);
        QCOMPARE(bar(w, "vsbFreq")->pageStep(), 100);
    }

    void keysAndClicksStep_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("small");
        QTest::addColumn<int>("large");
        QTest::newRow("vsbFreq") << "vsbFreq" << 5000 << 1 << 100;
        QTest::newRow("vsbDiam") << "vsbDiam" << 25 << 1 << 1;
        QTest::newRow("vsbDepth") << "vsbDepth" << 30 << 1 << 1;
    }
    void keysAndClicksStep()
    {
        QFETCH(QString, name);
        QFETCH(int, start);
        QFETCH(int, small);
        QFETCH(int, large);
        QScrollBar* b = bar(w, qPrintable(name));
        b->setValue(start);
        b->setFocus();
        const struct {
            std::function<void()> act;
            int by;
        } steps[] = {
            {[&] { QTest::keyClick(b, Qt::Key_Down); }, small},
            {[&] { QTest::keyClick(b, Qt::Key_Up); }, -small},
            {[&] { QTest::keyClick(b, Qt::Key_PageDown); }, large},
            {[&] { QTest::keyClick(b, Qt::Key_PageUp); }, -large},
            {[&] { probe::click(b, QStyle::SC_ScrollBarAddLine); }, small},
            {[&] { probe::click(b, QStyle::SC_ScrollBarSubLine); }, -small},
            {[&] { probe::click(b, QStyle::SC_ScrollBarAddPage); }, large},
            {[&] { probe::click(b, QStyle::SC_ScrollBarSubPage); }, -large},
        };
        for (const auto& step : steps) {
            const int before = b->value();
            step.act();
            QCOMPARE(b->value(), before + step.by);
        }
    }

    void stopsAtTheEnds()
    {
        QScrollBar* b = bar(w, "vsbDiam");
        b->setFocus();
        QCOMPARE(b->value(), 10);
        QTest::keyClick(b, Qt::Key_Up);
        probe::click(b, QStyle::SC_ScrollBarSubLine);
        QCOMPARE(b->value(), 10);
        b->setValue(39);
        QTest::keyClick(b, Qt::Key_PageDown);
        QTest::keyClick(b, Qt::Key_Down);
        probe::click(b, QStyle::SC_ScrollBarAddLine);
        QCOMPARE(b->value(), 40);
        QScrollBar* f = bar(w, "vsbFreq");
        f->setValue(9950);
        f->setFocus();
        QTest::keyClick(f, Qt::Key_PageDown);
        QCOMPARE(f->value(), 10000);
    }

    void dragChangesOnRelease()
    {
        QScrollBar* b = bar(w, "vsbDiam");
        const QPoint grip = probe::centreOf(b, QStyle::SC_ScrollBarSlider);
        QTest::mousePress(b, Qt::LeftButton, {}, grip);
        QTest::mouseMove(b, grip + QPoint(0, 40));
        QVERIFY(b->sliderPosition() > 10);
        QCOMPARE(b->value(), 10);
        QCOMPARE(probe::caption(w, "lblDiam"), "10");
        QTest::mouseRelease(b, Qt::LeftButton, {}, grip + QPoint(0, 40));
        QVERIFY(b->value() > 10);
        QCOMPARE(probe::caption(w, "lblDiam"), QString::number(b->value()));
    }

    void tabOrderWraps()
    {
        QCOMPARE(QApplication::focusWidget(), bar(w, "vsbFreq"));
        const QStringList order = {"vsbDiam", "cmdExit", "vsbDepth", "vsbFreq", "vsbDiam"};
        for (const QString& next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), "vsbFreq");
    }

    void enterAndEscapeDoNotExit()
    {
        for (const char* name : {"vsbFreq", "vsbDepth"}) {
            bar(w, name)->setFocus();
            QTest::keyClick(bar(w, name), Qt::Key_Return);
            QTest::keyClick(bar(w, name), Qt::Key_Enter);
            QTest::keyClick(bar(w, name), Qt::Key_Escape);
        }
        QVERIFY(w->isVisible());
    }

    void altXCloses()
    {
        QTest::keyClick(w, Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(!w->isVisible()); // a mnemonic animates the click first
    }

    void clickExitCloses()
    {
        QTest::mouseClick(w->findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
