// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt window through real key and mouse events: the worked states, the
// places, the tooltips, what the labels draw, a thumb drag, focus and Exit,
// and what screen readers get that Orca's check (tests/orca) cannot show:
// each caption whole through the text interface, what is not on the screen,
// the bars' ranges.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QtTest>
#include <nlohmann/json.hpp>

#include "window/qt/accessibility.h"
#include "window/qt/dish_check_window.h"
#include "window/qt/planner_window.h"
#include "worked_states.h"

template <> struct doctest::StringMaker<QString> {
    static String convert(const QString& s) { return s.toUtf8().constData(); }
};

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

// The only tooltips, as designed, blanks and spelling kept.
const QMap<QString, QString> tooltips = {
    {"Label9", "Diameter in millimeters"}, {"Label10", "Depth in Millimeters"},
    {"Label11", "Focal length in Millimeters"},
    {"label8(0)", "Centre of dish only Radius dimentions shown shown "},
    {"label8(5)", "One inch or 25.4 mm. appart"}};
// clang-format on

// A new window, shown and active; printing, if asked, as ask says.
struct Window {
    planner::PlannerWindow w;
    explicit Window(planner::AskPrinter ask = planner::askWithPrintDialog) : w(nullptr, ask)
    {
        w.show();
        REQUIRE(QTest::qWaitForWindowActive(&w));
    }
    template <class T = QWidget> T* find(std::string_view name)
    {
        T* c = w.findChild<T*>(qs(name));
        REQUIRE_MESSAGE(c, name); // a name mistyped fails the test instead of crashing it
        return c;
    }
    QString shown(std::string_view name) { return find<QLabel>(name)->text(); }
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
        CHECK_EQ(b->value(), value);
    }
};

// Without the readers' interface installed (the first window) a change is
// announced to nobody, and the window goes on.
TEST_CASE("without readers")
{
    Window win;
    QTest::keyClick(win.find("vsbDiam"), Qt::Key_Down);
    CHECK_EQ(win.shown("lblDiam"), "11");
    planner::installAccessibility();
}

TEST_CASE("the worked states, by keys")
{
    for (const worked::State& s : worked::states) {
        INFO(s.name);
        Window win;
        win.keyTo("vsbFreq", s.freq), win.keyTo("vsbDiam", s.diam), win.keyTo("vsbDepth", s.depth);
        for (const worked::Shown& c : s.shown)
            CHECK_MESSAGE(win.shown(c.control) == qs(c.caption), c.control);
        for (const auto& [member, twips] : s.bars)
            CHECK_EQ(win.find("label7(" + std::to_string(member) + ")")->height(),
                     qRound(twips / 15));
    }
}

TEST_CASE("places, tooltips and looks")
{
    Window win;
    for (const auto& [name, x, y, width, height] : worked::spots)
        CHECK_MESSAGE(win.find(name)->geometry() == QRect(x, y, width, height), name);
    QList<QWidget*> controls = win.w.findChildren<QWidget*>();
    controls.removeOne(win.w.menu()); // the context menu is no control
    CHECK_EQ(controls.size(), 61);
    for (const QWidget* c : controls)
        CHECK_EQ(c->toolTip(), tooltips.value(c->objectName()));
    CHECK((win.w.size() == QSize(792, 573) && win.w.minimumSize() == win.w.maximumSize()));
    for (const auto& [control, points, bold, back] : drawn) {
        QLabel* l = win.find<QLabel>(control);
        const QImage expected = drawnByTheRule(l, points, bold, back);
        CHECK_MESSAGE(l->grab().toImage().convertToFormat(expected.format()) == expected, control);
    }
}

TEST_CASE("a thumb dragged changes the figure when let go")
{
    Window win;
    QScrollBar* b = win.find<QScrollBar>("vsbDiam");
    const QPoint grip(b->width() / 2, 2 * b->width()); // on the thumb, below the arrow
    QTest::mousePress(b, Qt::LeftButton, {}, grip);
    QTest::mouseMove(b, grip + QPoint(0, 40));
    CHECK_EQ(win.shown("lblDiam"), "10");
    QTest::mouseRelease(b, Qt::LeftButton, {}, grip + QPoint(0, 40));
    CHECK_GT(b->value(), 10);
    CHECK_EQ(win.shown("lblDiam"), QString::number(b->value()));
}

// The focus starts where the Tab order does; Tab goes round; Alt+X
// presses Exit.
TEST_CASE("keys")
{
    Window win;
    const auto named = [](std::size_t i) {
        return QString::fromStdString(
            planner::controlName(planner::row(planner::tabOrder[i % planner::tabOrder.size()])));
    };
    CHECK_EQ(QApplication::focusWidget()->objectName(), named(0));
    for (std::size_t i = 1; i <= planner::tabOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        CHECK_EQ(QApplication::focusWidget()->objectName(), named(i));
    }
    QTest::keyClick(&win.w, Qt::Key_X, Qt::AltModifier);
    CHECK(QTest::qWaitFor([&] { return !win.w.isVisible(); })); // a mnemonic animates first
}

TEST_CASE("what screen readers get")
{
    Window win;
    for (const auto& [control, name, text, hidden] : worked::readAs) {
        INFO(control);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(win.find(control));
        CHECK_EQ(a->text(QAccessible::Name), qs(name));
        // The caption whole: as text, as its one line and as its one run
        // of attributes (bounds start at -1, so that one left unset shows).
        QAccessibleTextInterface* t = a->textInterface();
        int at[4] = {-1, -1, -1, -1}; // the line's bounds, then the run's
        CHECK_EQ(t->textAtOffset(0, QAccessible::LineBoundary, &at[0], &at[1]), qs(text));
        t->attributes(0, &at[2], &at[3]);
        const int n = int(text.size());
        CHECK((at[0] == 0 && at[1] == n && at[2] == 0 && at[3] == n));
        CHECK_EQ(bool(a->state().invisible), hidden);
    }
    auto* v = QAccessible::queryAccessibleInterface(win.find("vsbDiam"))->valueInterface();
    const QVariantList got{v->minimumValue(), v->maximumValue(), v->currentValue(),
                           v->minimumStepSize()};
    CHECK(got == QVariantList({10, 40, 10, 1}));
}

// The template of each worked dish printed as a user asks for it: on A4
// by Ctrl+P, on Letter by the context menu's item (Shift+F10 opens it on
// its first item, Enter); the printer a PDF file in $PLANNER_PRINTS, listed with its
// template in prints.json there for the read-back (tests/print), which
// measures it. Cancelled, nothing is printed.
TEST_CASE("printing the template, by Ctrl+P and by the context menu")
{
    const QString folder = qEnvironmentVariable("PLANNER_PRINTS");
    REQUIRE(!folder.isEmpty());
    nlohmann::json prints = nlohmann::json::array();
    for (const worked::Template& t : worked::templates) {
        for (const bool byMenu : {false, true}) {
            const QString file = QStringLiteral("%1/qt-%2in-%3.pdf")
                                     .arg(folder)
                                     .arg(t.diam)
                                     .arg(byMenu ? "Letter" : "A4");
            QFile::remove(file);
            Window win([&](QPrinter& printer, QWidget*) {
                printer.setOutputFileName(file); // a PDF, by its name
                printer.setPageSize(QPageSize(byMenu ? QPageSize::Letter : QPageSize::A4));
                return true;
            });
            win.keyTo("vsbFreq", t.freq), win.keyTo("vsbDiam", t.diam);
            win.keyTo("vsbDepth", t.depth);
            if (byMenu) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
                QWidget* menu = QApplication::activePopupWidget();
                REQUIRE(menu == static_cast<QWidget*>(win.w.menu()));
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
            }
            CHECK_MESSAGE(QFile::exists(file), file);
            prints.push_back(
                {{"file", file.toStdString()},
                 {"template", {{"sheets", t.sheets}, {"diam", t.diam}, {"figures", t.figures}}}});
        }
    }
    QFile list(folder + "/prints.json");
    REQUIRE(list.open(QIODevice::WriteOnly));
    list.write(QByteArray::fromStdString(prints.dump(1)));
    bool asked = false;
    const QString cancelled = folder + "/cancelled.pdf";
    Window win([&](QPrinter& printer, QWidget*) {
        printer.setOutputFileName(cancelled);
        return !(asked = true);
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    CHECK((asked && !QFile::exists(cancelled)));
}

// The dish check as a user works it (worked::checkScenario): Ctrl+K opens
// it; a round dish's rows pasted into the first by Ctrl+V, its results,
// and its setting set, which the window follows; an offset dish typed
// field by field, its results; a bad input, its sentence, the text typed
// left as it was.
TEST_CASE("checking a dish one has")
{
    Window win;
    win.keyTo("vsbFreq", 2400);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::ControlModifier);
    planner::DishCheckWindow* check = win.w.checkWindow();
    REQUIRE((check && check->isVisible()));
    using planner::Field;
    for (const std::string_view name : worked::checkScenario) {
        const worked::Check& w = worked::checkNamed(name);
        INFO(w.name);
        QRadioButton* shape =
            check->shape(w.offset ? planner::DishShape::Offset : planner::DishShape::Round);
        QTest::mouseClick(shape, Qt::LeftButton, {},
                          QPoint(shape->height() / 2, shape->height() / 2));
        check->unit()->setCurrentIndex(w.unit);
        const auto typed = worked::typedFields(w);
        for (const auto& [f, text] : typed) {
            if (text.empty())
                continue;
            check->field(f)->clear();
            QTest::keyClicks(check->field(f), qs(text));
        }
        if (!w.offset) {
            QApplication::clipboard()->setText(qs(w.pasted));
            QTest::keyClick(check->field(Field::Position, 0), Qt::Key_V, Qt::ControlModifier);
        }
        for (const auto& [label, value] : w.results)
            CHECK_MESSAGE(check->result(qs(label)).startsWith(qs(value)), label, ": ",
                          check->result(qs(label)));
        CHECK_MESSAGE(check->problems().toStdString().starts_with(w.problem), check->problems());
        for (const auto& [f, text] : typed)
            CHECK_EQ(check->field(f)->text(), text.empty() ? check->field(f)->text() : qs(text));
        if (check->setButton()->isVisible())
            QTest::mouseClick(check->setButton(), Qt::LeftButton);
    }
    CHECK_EQ(win.shown("lblDiam") + " " + win.shown("lblDepth"), "24 3");
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return doctest::Context(argc, argv).run();
}
