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
#include "form_scenarios.h"
#include "window/qt/form_window.h"
#include "window/qt/picture_label.h"
#include "window/qt/planner_window.h"

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

// The form scenarios (tests/form_scenarios.h) as a user works them: the
// form opened by its shortcut; fields typed key by key; rows pasted by
// Ctrl+V and by the field's context menu; buttons clicked, options chosen,
// Tab. A problem shown must be its field's description too; the picture's
// points must be drawn where the core placed them; readers must be told
// once typing pauses.
class QtDriver : public worked::FormDriver {
public:
    QtDriver(Window& win, int f) : win_(win), f_(f)
    {
        win.keyTo("vsbFreq", 2400);
        open();
    }
    // The form's window by its shortcut, from the planner's.
    void open()
    {
        const auto command = std::find_if(planner::commands.begin(), planner::commands.end(),
                                          [this](const auto& c) { return c.form == f_; });
        QApplication::setActiveWindow(&win_.w);
        QTest::keyClick(win_.find("vsbFreq"), Qt::Key(command->key), Qt::ControlModifier);
        form_ = win_.w.formWindow(f_);
        REQUIRE((form_ && form_->isVisible()));
        QApplication::setActiveWindow(form_);
    }
    const planner::form::Outline& outline() const { return presenter().outline(); }

    void act(const worked::Step& step, const planner::form::Cell& at) override
    {
        const std::string_view a = step.action;
        if (a == "tab")
            return QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (a == "reopen") {
            form_->close();
            REQUIRE(!form_->isVisible());
            return open();
        }
        if (a == "frequency") {
            win_.keyTo("vsbFreq", std::stoi(std::string(step.text)));
            QApplication::processEvents(); // the forms follow the window once it is shown
            return QApplication::setActiveWindow(form_);
        }
        if (a == "choose")
            return choose(at.item, std::stoi(std::string(step.text)));
        QWidget* w = form_->widget(at);
        if (a == "press")
            return QTest::mouseClick(w, Qt::LeftButton);
        w->setFocus();
        if (!step.text.empty() && a != "type")
            QApplication::clipboard()->setText(qs(step.text));
        if (a == "type") {
            static_cast<QLineEdit*>(w)->selectAll();
            if (step.text.empty())
                QTest::keyClick(w, Qt::Key_Delete);
            QTest::keyClicks(w, qs(step.text));
        } else if (a == "paste by keys") {
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        } else { // the field's own menu, opened by the keyboard, its Paste
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, {4, 4},
                                   w->mapToGlobal(QPoint(4, 4)));
            QApplication::sendEvent(w, &menu);
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            REQUIRE(popup);
            QAction* paste = popup->findChild<QAction*>(); // any, to know it is a menu
            for (QAction* action : popup->actions())
                if (action->objectName() == "edit-paste")
                    paste = action;
            REQUIRE(paste->objectName() == "edit-paste");
            paste->trigger();
            popup->close();
        }
    }

    std::string look(std::string_view key, const planner::form::Cell& at) override;

private:
    const planner::form::Presenter& presenter() const;
    void choose(int item, int option)
    {
        if (outline().items[item].kind == planner::form::Kind::Choice)
            return QTest::mouseClick(form_->option(item, option), Qt::LeftButton, {}, {4, 4});
        QWidget* list = form_->widget({item});
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < option; ++i)
            QTest::keyClick(list, Qt::Key_Down);
    }
    std::string focused() const;
    int inked() const;

    Window& win_;
    int f_;
    planner::FormWindow* form_;
};

const planner::form::Presenter& QtDriver::presenter() const
{
    return win_.w.session().forms()[f_];
}

std::string QtDriver::focused() const
{
    for (const planner::form::Cell& c : worked::fieldsAndButtons(presenter()))
        if (form_->widget(c) == QApplication::focusWidget())
            return worked::targetName(outline(), c);
    return "elsewhere";
}

// The picture's points drawn where the core placed them: at the centre of
// each of its boxes, ink, not the window's background.
int QtDriver::inked() const
{
    const int item = planner::form::itemNamed(outline(), "picture");
    auto* label = static_cast<planner::PictureLabel*>(form_->box(item));
    QApplication::processEvents(); // laid out, as the user sees it
    const QImage image = label->grab().toImage();
    const QColor background = label->palette().color(QPalette::Window);
    int n = 0;
    for (const planner::Shape& s : presenter().item(item).picture.shapes) {
        if (s.kind != planner::Shape::Kind::Box)
            continue;
        const QPointF corner = label->at(s.points[0]), opposite = label->at(s.points[1]);
        const QRect edge = QRectF(corner, opposite).toAlignedRect();
        bool ink = false;
        for (int x = edge.left(); x <= edge.right(); ++x)
            ink = ink || image.pixelColor(x, edge.top()) != background;
        n += ink;
    }
    return n;
}

std::string QtDriver::look(std::string_view key, const planner::form::Cell& at)
{
    const std::string k(key.substr(0, key.find(' ')));
    if (k == "results")
        return form_->resultsShown().toStdString();
    if (k == "result") {
        const QString label = qs(key.substr(7)) + ": ";
        for (const QString& line : form_->resultsShown().split('\n'))
            if (line.startsWith(label))
                return line.mid(label.size()).toStdString();
        return {};
    }
    if (k == "problem") {
        const QString shown = form_->problemShown(at);
        if (outline().items[at.item].kind == planner::form::Kind::Field || at.row >= 0)
            CHECK_EQ(form_->widget(at)->accessibleDescription(), shown);
        return shown.toStdString();
    }
    if (k == "text")
        return static_cast<QLineEdit*>(form_->widget(at))->text().toStdString();
    if (k == "shown")
        return form_->box(at.item)->isVisibleTo(form_) ? "yes" : "no";
    if (k == "caption")
        return static_cast<QPushButton*>(form_->widget(at))->text().toStdString();
    if (k == "chosen") {
        if (outline().items[at.item].kind == planner::form::Kind::List)
            return std::to_string(static_cast<QComboBox*>(form_->widget(at))->currentIndex());
        for (int o = 0;; ++o)
            if (static_cast<QRadioButton*>(form_->option(at.item, o))->isChecked())
                return std::to_string(o);
    }
    if (k == "name")
        return form_->widget(at)->accessibleName().toStdString();
    if (k == "focus")
        return focused();
    if (k == "clipboard")
        return QApplication::clipboard()->text().toStdString();
    if (k == "picture")
        return std::to_string(inked());
    if (k == "window")
        return (win_.shown("lblDiam") + " " + win_.shown("lblDepth")).toStdString();
    REQUIRE(k == "said");
    QTest::qWait(planner::form::pauseMs + 100);
    return form_->readers()->announcement().toStdString();
}

TEST_CASE("the form scenarios")
{
    for (const worked::Scenario& sc : worked::scenarios) {
        Window win;
        QtDriver d(win, sc.form);
        worked::runScenario(d, sc, d.outline());
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return doctest::Context(argc, argv).run();
}
