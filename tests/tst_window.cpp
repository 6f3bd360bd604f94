// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt window through real key and mouse events: the worked states, the
// places, the tooltips, what the labels draw, a thumb drag, focus and Exit,
// and what screen readers get that Orca's check (tests/orca) cannot show:
// each caption whole through the text interface, what is not on the screen,
// the bars' ranges.
#include <QAccessible>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QtTest>

#include "window/qt/accessibility.h"
#include "window/qt/planner_window.h"
#include "worked_states.h"

namespace {

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// What a label should draw, by the rule: its back colour (the window's
// unless given), a thin frame in the text colour, the caption wrapped at
// blanks from the top, centred, clipped; in Liberation Sans, which stands
// in for the faces the design names.
QImage drawnByTheRule(const QLabel* l, double points, bool bold, QColor back)
{
    QImage image(l->size(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    QRect text(QPoint(0, 0), l->size());
    p.fillRect(text, back.isValid() ? back : QApplication::palette().color(QPalette::Window));
    p.setPen(QApplication::palette().color(QPalette::WindowText));
    if (bold) // the bold figures are the framed ones
        p.drawRect(text.adjusted(0, 0, -1, -1)), text.adjust(1, 1, -1, -1);
    QFont font("Liberation Sans");
    font.setPointSizeF(points);
    font.setBold(bold);
    p.setFont(font);
    p.setClipRect(text);
    p.drawText(text, Qt::AlignTop | Qt::AlignHCenter | Qt::TextWordWrap, l->text());
    return image;
}

// clang-format off
const struct { const char* control; double points; bool bold; QColor back; } drawn[] = {
    {"Label5", 8, false, {}}, {"lblFdr", 9.75, true, {}}, {"label7(5)", 8, false, Qt::cyan}};

// The text a reader gets is the caption exactly, blanks included, and
// which labels are not on the screen for it.
const struct { const char *control, *readAs, *text; bool hidden; } readerViews[] = {
    {"Label5", "   Depth   in ins.", "   Depth   in ins.", false},
    {"lblFlen", "Focal length 3.13 inches", "3.13", false},
    {"label8(1)", "at 1 inch, 0.08 deep", "0.08", false},
    {"label8(6)", "at 6 inches,  deep", "", true},
    {"label7(0)", "bar at 0 inches", "0", true},
    {"label7(5)", "bar at 5 inches", "5", false},
    {"label7(6)", "bar at 6 inches", "7", true}};

// The only tooltips, as designed, blanks and spelling kept.
const QMap<QString, QString> tooltips = {
    {"Label9", "Diameter in millimeters"}, {"Label10", "Depth in Millimeters"},
    {"Label11", "Focal length in Millimeters"},
    {"label8(0)", "Centre of dish only Radius dimentions shown shown "},
    {"label8(5)", "One inch or 25.4 mm. appart"}};
// clang-format on

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
    planner::PlannerWindow* w = nullptr;

    template <class T = QWidget> T* find(const QString& name) const
    {
        T* c = w->findChild<T*>(name);
        if (!c) // a name mistyped fails the test instead of crashing it
            QTest::qFail(qPrintable("no " + name), __FILE__, __LINE__);
        return c;
    }
    // Moves a bar as a user would, by page and arrow keys: so the steps
    // are checked on every move.
    void keyTo(const char* name, int value)
    {
        QScrollBar* b = find<QScrollBar>(name);
        b->setFocus();
        const auto [pages, lines, down] = worked::moves(name, b->value(), value);
        for (int i = 0; i < pages + lines; ++i)
            QTest::keyClick(b, i < pages ? (down ? Qt::Key_PageDown : Qt::Key_PageUp)
                                         : (down ? Qt::Key_Down : Qt::Key_Up));
        QCOMPARE(b->value(), value);
    }

private slots:
    void init()
    {
        w = new planner::PlannerWindow;
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    void cleanup()
    {
        delete w;
        static const bool readers = (planner::installAccessibility(), true); // after the first
        Q_UNUSED(readers);
    }

    // Without the readers' interface installed a change is announced to
    // nobody, and the window goes on.
    void withoutReaders()
    {
        QTest::keyClick(find("vsbDiam"), Qt::Key_Down);
        QCOMPARE(find<QLabel>("lblDiam")->text(), "11");
    }

    void workedStates()
    {
        for (const worked::State& s : worked::states) {
            delete w;
            init();
            keyTo("vsbFreq", s.freq), keyTo("vsbDiam", s.diam), keyTo("vsbDepth", s.depth);
            for (const worked::Shown& c : s.shown)
                QCOMPARE(find<QLabel>(qs(c.control))->text(), qs(c.caption));
            for (const auto& [member, twips] : s.bars)
                QCOMPARE(find(QStringLiteral("label7(%1)").arg(member))->height(),
                         qRound(twips / 15));
        }
    }

    void placesTooltipsAndLooks()
    {
        for (const auto& [name, x, y, width, height] : worked::spots)
            QCOMPARE(find(qs(name))->geometry(), QRect(x, y, width, height));
        QCOMPARE(w->findChildren<QWidget*>().size(), 61);
        for (const QWidget* c : w->findChildren<QWidget*>())
            QCOMPARE(c->toolTip(), tooltips.value(c->objectName()));
        QCOMPARE(w->size(), QSize(792, 573));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        for (const auto& [control, points, bold, back] : drawn) {
            QLabel* l = find<QLabel>(control);
            const QImage expected = drawnByTheRule(l, points, bold, back);
            QCOMPARE(l->grab().toImage().convertToFormat(expected.format()), expected);
        }
    }

    void dragChangesOnRelease()
    {
        QScrollBar* b = find<QScrollBar>("vsbDiam");
        const QPoint grip(b->width() / 2, 2 * b->width()); // on the thumb, below the arrow
        QTest::mousePress(b, Qt::LeftButton, {}, grip);
        QTest::mouseMove(b, grip + QPoint(0, 40));
        QCOMPARE(find<QLabel>("lblDiam")->text(), "10");
        QTest::mouseRelease(b, Qt::LeftButton, {}, grip + QPoint(0, 40));
        QVERIFY(b->value() > 10);
        QCOMPARE(find<QLabel>("lblDiam")->text(), QString::number(b->value()));
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

    void screenReaders()
    {
        for (const auto& [control, readAs, text, hidden] : readerViews) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(find(control));
            QCOMPARE(a->text(QAccessible::Name), readAs);
            // The caption whole: as text, as its one line and as its one run
            // of attributes (bounds start at -1, so that one left unset shows).
            QAccessibleTextInterface* t = a->textInterface();
            int at[4] = {-1, -1, -1, -1}; // the line's bounds, then the run's
            QCOMPARE(t->textAtOffset(0, QAccessible::LineBoundary, &at[0], &at[1]), text);
            t->attributes(0, &at[2], &at[3]);
            const int n = int(qstrlen(text));
            QCOMPARE(QList<int>(at, at + 4), QList<int>({0, n, 0, n}));
            QCOMPARE(bool(a->state().invisible), hidden);
        }
        auto* v = QAccessible::queryAccessibleInterface(find("vsbDiam"))->valueInterface();
        const QVariantList got{v->minimumValue(), v->maximumValue(), v->currentValue(),
                               v->minimumStepSize()};
        QCOMPARE(got, QVariantList({10, 40, 10, 1}));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
