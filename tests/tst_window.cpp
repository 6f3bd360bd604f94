// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt window through real key and mouse events: the worked states, the
// layout, what the labels draw, focus, Exit and what screen readers get.
#include <QAccessible>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "window/qt/planner_window.h"
#include "worked_rows.h"

namespace {

// What a label should draw, by the rule: its back colour, a thin frame in
// the text colour, the caption wrapped at blanks from the top, clipped.
QImage drawnByTheRule(QSize size, const QString& caption, QFont font, bool frame)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    const QPalette palette = QApplication::palette();
    QRect text(QPoint(0, 0), size);
    p.fillRect(text, palette.color(QPalette::Window));
    p.setPen(palette.color(QPalette::WindowText));
    if (frame) {
        p.drawRect(text.adjusted(0, 0, -1, -1));
        text.adjust(1, 1, -1, -1);
    }
    p.setFont(font);
    p.setClipRect(text);
    p.drawText(text, Qt::AlignTop | Qt::AlignHCenter | Qt::TextWordWrap, caption);
    return image;
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
    planner::PlannerWindow* w = nullptr;

    QScrollBar* bar(const QString& name) const { return w->findChild<QScrollBar*>(name); }
    QLabel* label(const QString& name) const { return w->findChild<QLabel*>(name); }
    // Moves a bar as a user would: page keys, then arrow keys.
    void keyTo(const QString& name, int value)
    {
        QScrollBar* b = bar(name);
        b->setFocus();
        const bool down = b->value() < value;
        const int sign = down ? 1 : -1;
        while (sign * (value - b->value()) >= b->pageStep())
            QTest::keyClick(b, down ? Qt::Key_PageDown : Qt::Key_PageUp);
        while (b->value() != value)
            QTest::keyClick(b, down ? Qt::Key_Down : Qt::Key_Up);
    }

private slots:
    void init()
    {
        w = new planner::PlannerWindow;
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    void cleanup() { delete w; }

    void workedStates_data() { worked::addRows(); }
    void workedStates()
    {
        const worked::State& s = worked::current();
        keyTo("vsbFreq", s.freq);
        keyTo("vsbDiam", s.diam);
        keyTo("vsbDepth", s.depth);
        for (const worked::Shown& c : s.shown)
            QCOMPARE(label(worked::qs(c.control))->text(), worked::qs(c.caption));
        for (const auto& [member, twips] : s.bars)
            QCOMPARE(label(QStringLiteral("label7(%1)").arg(member))->height(), qRound(twips / 15));
    }

    void layout()
    {
        const std::pair<const char*, QRect> spots[] = {
            {"Label5", {288, 8, 49, 25}},       {"lblFreq", {16, 48, 49, 17}},
            {"vsbDiam", {96, 88, 17, 121}},     {"cmdExit", {512, 24, 73, 25}},
            {"label8(20)", {648, 224, 23, 17}}, {"label7(3)", {104, 248, 23, 48}}}; // 0.73 in
        for (const auto& [name, pixels] : spots)
            QCOMPARE(w->findChild<QWidget*>(name)->geometry(), pixels);
        QCOMPARE(w->findChildren<QWidget*>().size(), 61);
        for (int r : {14, 15, 18, 19, 20}) // bars 15, 18, 19 and 20 caption to the left
            QCOMPARE(label(QStringLiteral("label7(%1)").arg(r))->alignment() & Qt::AlignLeft,
                     r == 14 ? Qt::Alignment() : Qt::AlignLeft);
        QCOMPARE(w->size(), QSize(792, 573));
        QCOMPARE(w->minimumSize(), w->maximumSize());
    }

    // Liberation Sans stands in for the faces the design names.
    void labelsDrawByTheRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold"); // and framed
        QTest::newRow("heading with blanks") << "Label5" << 8.0 << false;
        QTest::newRow("framed bold figure") << "lblFdr" << 9.75 << true;
    }
    void labelsDrawByTheRule()
    {
        QFETCH(QString, name);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QLabel* l = label(name);
        QFont font("Liberation Sans");
        font.setPointSizeF(points);
        font.setBold(bold);
        const QImage expected = drawnByTheRule(l->size(), l->text(), font, bold);
        QCOMPARE(l->grab().toImage().convertToFormat(expected.format()), expected);
    }

    // The window does not grow: the deepest rim bar is cut off at its bottom.
    void barsAreCyanAndCutOff()
    {
        keyTo("vsbDiam", 40);
        keyTo("vsbDepth", 50);
        const QImage shot = w->grab().toImage();
        QCOMPARE(shot.size(), QSize(792, 573));
        QCOMPARE(QColor(shot.pixel(660, 572)), QColor(0, 255, 255));
    }

    void steps()
    {
        const std::tuple<const char*, Qt::Key, int> steps[] = {{"vsbFreq", Qt::Key_Down, 1},
                                                               {"vsbFreq", Qt::Key_PageDown, 100},
                                                               {"vsbDiam", Qt::Key_PageDown, 1},
                                                               {"vsbDepth", Qt::Key_PageDown, 1},
                                                               {"vsbDepth", Qt::Key_Up, -1}};
        for (const auto& [name, key, by] : steps) {
            QScrollBar* b = bar(name);
            const int before = b->value();
            b->setFocus();
            QTest::keyClick(b, key);
            QCOMPARE(b->value(), before + by);
        }
    }

    void dragChangesOnRelease()
    {
        QScrollBar* b = bar("vsbDiam");
        const QPoint grip(b->width() / 2, 2 * b->width()); // on the thumb, below the arrow
        QTest::mousePress(b, Qt::LeftButton, {}, grip);
        QTest::mouseMove(b, grip + QPoint(0, 40));
        QCOMPARE(label("lblDiam")->text(), "10");
        QTest::mouseRelease(b, Qt::LeftButton, {}, grip + QPoint(0, 40));
        QVERIFY(b->value() > 10);
        QCOMPARE(label("lblDiam")->text(), QString::number(b->value()));
    }

    void tabOrderWraps()
    {
        QCOMPARE(QApplication::focusWidget(), bar("vsbFreq"));
        for (const char* next : {"vsbDiam", "cmdExit", "vsbDepth", "vsbFreq"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
    }

    void exits_data()
    {
        QTest::addColumn<bool>("altX");
        QTest::newRow("Alt+X") << true;
        QTest::newRow("click") << false;
    }
    void exits()
    {
        QFETCH(bool, altX);
        if (altX)
            QTest::keyClick(w, Qt::Key_X, Qt::AltModifier);
        else
            QTest::mouseClick(w->findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
        QTRY_VERIFY(!w->isVisible()); // a mnemonic animates the click first
    }

    // What Orca cannot show: the text a reader gets is the caption exactly,
    // blanks included, and which labels are not on the screen for it.
    void screenReaders_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("heading") << "Label5"
                                 << "   Depth   in ins."
                                 << "   Depth   in ins." << false;
        QTest::newRow("figure") << "lblFlen"
                                << "Focal length 3.13 inches"
                                << "3.13" << false;
        QTest::newRow("at 1 inch") << "label8(1)"
                                   << "at 1 inch, 0.08 deep"
                                   << "0.08" << false;
        QTest::newRow("empty figure") << "label8(6)"
                                      << "at 6 inches,  deep"
                                      << "" << true;
        QTest::newRow("bar at 0") << "label7(0)"
                                  << "bar at 0 inches"
                                  << "0" << true;
        QTest::newRow("bar at 5") << "label7(5)"
                                  << "bar at 5 inches"
                                  << "5" << false;
        QTest::newRow("bar gone") << "label7(6)"
                                  << "bar at 6 inches"
                                  << "7" << true;
    }
    void screenReaders()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, hidden);
        QAccessibleInterface* a =
            QAccessible::queryAccessibleInterface(w->findChild<QWidget*>(control));
        QCOMPARE(a->text(QAccessible::Name), name);
        QCOMPARE(a->textInterface()->text(0, a->textInterface()->characterCount()), text);
        QCOMPARE(bool(a->state().invisible), hidden);
    }

    // A reader tells where a bar stands from its range: 10 to 40 inches.
    void scrollBarRangeForReaders()
    {
        QAccessibleValueInterface* v =
            QAccessible::queryAccessibleInterface(bar("vsbDiam"))->valueInterface();
        QCOMPARE(v->minimumValue().toInt(), 10);
        QCOMPARE(v->maximumValue().toInt(), 40);
        QCOMPARE(v->currentValue().toInt(), 10);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
