// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt window through real key and mouse events: the worked states, the
// layout, what the labels draw, focus, Exit and what screen readers get.
#include <QAccessible>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QtTest>

#include "window/qt/accessibility.h"
#include "window/qt/planner_window.h"
#include "helpers.h"

namespace {

// What a label should draw, by the rule: its back colour (the window's
// unless given), a thin frame in the text colour, the caption wrapped at
// blanks from the top, clipped.
QImage drawnByTheRule(QSize size, const QString& caption, QFont font, bool frame, QColor back)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    QRect text(QPoint(0, 0), size);
    p.fillRect(text, back.isValid() ? back : QApplication::palette().color(QPalette::Window));
    p.setPen(QApplication::palette().color(QPalette::WindowText));
    if (frame) {
        p.drawRect(text.adjusted(0, 0, -1, -1));
        text.adjust(1, 1, -1, -1);
    }
    p.setFont(font);
    p.setClipRect(text);
    p.drawText(text, Qt::AlignTop | Qt::AlignHCenter | Qt::TextWordWrap, caption);
    return image;
}

// The tables of cases, one row each.
namespace cases {
// clang-format off
const struct { const char *name, *control; double points; bool bold; QColor back; } drawn[] = {
    {"heading with blanks", "Label5", 8, false, {}}, {"framed bold figure", "lblFdr", 9.75, true, {}},
    {"cyan bar", "label7(5)", 8, false, Qt::cyan}};
// clang-format on

// What Orca cannot show: the text a reader gets is the caption exactly,
// blanks included, and which labels are not on the screen for it.
// clang-format off
const struct { const char *name, *control, *readAs, *text; bool hidden; } readerViews[] = {
    {"heading", "Label5", "   Depth   in ins.", "   Depth   in ins.", false},
    {"figure", "lblFlen", "Focal length 3.13 inches", "3.13", false},
    {"at 1 inch", "label8(1)", "at 1 inch, 0.08 deep", "0.08", false},
    {"empty figure", "label8(6)", "at 6 inches,  deep", "", true},
    {"bar at 0", "label7(0)", "bar at 0 inches", "0", true},
    {"bar at 5", "label7(5)", "bar at 5 inches", "5", false},
    {"bar gone", "label7(6)", "bar at 6 inches", "7", true}};

// The only tooltips, as designed, blanks and spelling kept.
const QMap<QString, QString> tooltips = {
    {"Label9", "Diameter in millimeters"}, {"Label10", "Depth in Millimeters"},
    {"Label11", "Focal length in Millimeters"},
    {"label8(0)", "Centre of dish only Radius dimentions shown shown "},
    {"label8(5)", "One inch or 25.4 mm. appart"}};
// clang-format on
} // namespace cases

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
    planner::PlannerWindow* w = nullptr;

    // A control by name; each caller QVERIFYs it, so that a name mistyped
    // fails the test instead of crashing it.
    QScrollBar* bar(const QString& name) const { return w->findChild<QScrollBar*>(name); }
    QLabel* label(const QString& name) const { return w->findChild<QLabel*>(name); }
    // Moves a bar as a user would, by page and arrow keys: so the steps
    // are checked on every move.
    void keyTo(const char* name, int value)
    {
        QScrollBar* b = bar(name);
        QVERIFY(b);
        b->setFocus();
        const auto [pages, lines, down] = worked::moves(name, b->value(), value);
        for (int i = 0; i < pages + lines; ++i)
            QTest::keyClick(b, i < pages ? (down ? Qt::Key_PageDown : Qt::Key_PageUp)
                                         : (down ? Qt::Key_Down : Qt::Key_Up));
        QCOMPARE(b->value(), value);
    }

private slots:
    void initTestCase() { planner::installAccessibility(); }
    void init()
    {
        w = new planner::PlannerWindow;
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    void cleanup() { delete w; }

    void workedStates_data() { rows::add(worked::states); }
    void workedStates()
    {
        const worked::State& s = rows::current(worked::states);
        keyTo("vsbFreq", s.freq);
        keyTo("vsbDiam", s.diam);
        keyTo("vsbDepth", s.depth);
        if (QTest::currentTestFailed())
            return;
        for (const worked::Shown& c : s.shown) {
            QLabel* l = label(rows::qs(c.control));
            QVERIFY2(l, c.control.data());
            QCOMPARE(l->text(), rows::qs(c.caption));
        }
        for (const auto& [member, twips] : s.bars) {
            QLabel* l = label(QStringLiteral("label7(%1)").arg(member));
            QVERIFY(l);
            QCOMPARE(l->height(), qRound(twips / 15));
        }
    }

    void layout()
    {
        for (const auto& [name, x, y, width, height] : worked::spots) {
            const QWidget* c = w->findChild<QWidget*>(rows::qs(name));
            QVERIFY2(c, name.data());
            QCOMPARE(c->geometry(), QRect(x, y, width, height));
        }
        QCOMPARE(w->findChildren<QWidget*>().size(), 61);
        for (const QWidget* c : w->findChildren<QWidget*>())
            QCOMPARE(c->toolTip(), cases::tooltips.value(c->objectName()));
        for (int r : {14, 15, 18, 19, 20}) { // bars 15, 18, 19 and 20 caption to the left
            const QLabel* l = label(QStringLiteral("label7(%1)").arg(r));
            QVERIFY(l);
            QCOMPARE(l->alignment() & Qt::AlignLeft, r == 14 ? Qt::Alignment() : Qt::AlignLeft);
        }
        QCOMPARE(w->size(), QSize(792, 573));
        QCOMPARE(w->minimumSize(), w->maximumSize());
    }

    // Liberation Sans stands in for the faces the design names.
    void labelsDrawByTheRule_data() { rows::add(cases::drawn); }
    void labelsDrawByTheRule()
    {
        const auto& r = rows::current(cases::drawn);
        QLabel* l = label(r.control);
        QVERIFY(l);
        QFont font("Liberation Sans");
        font.setPointSizeF(r.points);
        font.setBold(r.bold);
        const QImage expected = drawnByTheRule(l->size(), l->text(), font, r.bold, r.back);
        QCOMPARE(l->grab().toImage().convertToFormat(expected.format()), expected);
    }

    void dragChangesOnRelease()
    {
        QScrollBar* b = bar("vsbDiam");
        QLabel* figure = label("lblDiam");
        QVERIFY(b && figure);
        const QPoint grip(b->width() / 2, 2 * b->width()); // on the thumb, below the arrow
        QTest::mousePress(b, Qt::LeftButton, {}, grip);
        QTest::mouseMove(b, grip + QPoint(0, 40));
        QCOMPARE(figure->text(), "10");
        QTest::mouseRelease(b, Qt::LeftButton, {}, grip + QPoint(0, 40));
        QVERIFY(b->value() > 10);
        QCOMPARE(figure->text(), QString::number(b->value()));
    }

    // The focus starts where the Tab order does; Tab goes round; Alt+X
    // presses Exit.
    void keys()
    {
        const auto named = [](std::size_t i) {
            return QString::fromStdString(planner::controlName(
                planner::row(planner::tabOrder[i % planner::tabOrder.size()])));
        };
        QCOMPARE(QApplication::focusWidget()->objectName(), named(0));
        for (std::size_t i = 1; i <= planner::tabOrder.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), named(i));
        }
        QTest::keyClick(w, Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(!w->isVisible()); // a mnemonic animates the click first
    }

    void screenReaders_data() { rows::add(cases::readerViews); }
    void screenReaders()
    {
        const auto& r = rows::current(cases::readerViews);
        QWidget* control = w->findChild<QWidget*>(r.control);
        QVERIFY(control);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
        QCOMPARE(a->text(QAccessible::Name), r.readAs);
        // The caption whole: as text, as its one line and as its one run of
        // attributes (bounds start at -1, so that one left unset shows).
        QAccessibleTextInterface* t = a->textInterface();
        int at[4] = {-1, -1, -1, -1}; // the line's bounds, then the run's
        QCOMPARE(t->textAtOffset(0, QAccessible::LineBoundary, &at[0], &at[1]), r.text);
        t->attributes(0, &at[2], &at[3]);
        const int n = int(qstrlen(r.text));
        QCOMPARE(QList<int>(at, at + 4), QList<int>({0, n, 0, n}));
        QCOMPARE(t->text(0, n), r.text);
        QCOMPARE(bool(a->state().invisible), r.hidden);
    }

    // What readers get of the window after a change: a frame with its
    // title, the change announced by its last child; and where a bar stands
    // in its range (10 to 40 inches, by 1).
    void windowAndBarForReaders()
    {
        keyTo("vsbDiam", 11);
        if (QTest::currentTestFailed())
            return;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        QCOMPARE(a->role(), QAccessible::Window);
        QCOMPARE(a->text(QAccessible::Name), rows::qs(planner::windowTitle));
        QAccessibleInterface* last = a->child(a->childCount() - 1);
        QCOMPARE(last->role(), QAccessible::Notification);
        QVERIFY(last->text(QAccessible::Name).startsWith("Diameter 11 inches, 279.4 millimetres."));
        auto* v = QAccessible::queryAccessibleInterface(bar("vsbDiam"))->valueInterface();
        const QVariantList got{v->minimumValue(), v->maximumValue(), v->currentValue(),
                               v->minimumStepSize()};
        QCOMPARE(got, QVariantList({10, 40, 11, 1}));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
