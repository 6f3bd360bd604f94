// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/planner_window.h"

#include <iostream>

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

#include "window/metrics.h"
#include "window/qt/accessibility.h"
#include "window/qt/form_window.h"
#include "window/qt/fonts.h"
#include "window/qt/text.h"

namespace planner {

namespace {

constexpr auto px = toLogicalPixels;

QRect pixels(const Rect& r)
{
    return {px(r.left), px(r.top), px(r.width), px(r.height)};
}

// Every control is known to the screen readers before it first tells them
// anything, so that they get the planner's interface for it.
template <typename Control> Control* make(int row, ScreenReaders* readers, QWidget* parent)
{
    auto* control = new Control(parent);
    readers->add(control, row);
    return control;
}

QScrollBar* makeScrollBar(const ControlDesign& d, int row, ScreenReaders* r, QWidget* parent)
{
    auto* bar = make<QScrollBar>(row, r, parent);
    bar->setOrientation(Qt::Vertical);
    bar->setRange(d.scroll.min, d.scroll.max);
    bar->setSingleStep(d.scroll.smallChange);
    bar->setPageStep(d.scroll.largeChange);
    bar->setValue(d.scroll.value);
    bar->setTracking(false); // a dragged thumb changes the value on release
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

// A label paints its whole rectangle in its back colour and wraps its
// caption at blanks, keeping them; a framed one draws it just inside the
// frame.
QLabel* makeLabel(const ControlDesign& d, int row, ScreenReaders* r, QWidget* parent)
{
    auto* label = make<QLabel>(row, r, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop |
                        (d.align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft));
    label->setAutoFillBackground(true);
    if (d.backColor) {
        QPalette p = label->palette();
        p.setColor(QPalette::Window, QColor::fromRgb(*d.backColor));
        label->setPalette(p);
    }
    if (d.border) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
        label->setIndent(0); // else QLabel indents from a frame by half an x
    }
    if (d.font != Font::Default)
        label->setFont(fontFor(d.font));
    label->setText(qs(d.caption));
    return label;
}

} // namespace

PlannerWindow::PlannerWindow(QWidget* parent, AskPrinter ask)
    : QWidget(parent), ask_(std::move(ask)), forms_(session_.forms().count())
{
    readers_ = new ScreenReaders(this, session_); // before anything asks for an interface
    setWindowTitle(qs(planner::windowTitle));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/planner-16.png"));
    icon.addFile(QStringLiteral(":/icons/planner-32.png"));
    setWindowIcon(icon);
    setFont(fontFor(Font::Default));
    setFixedSize(px(clientWidth), px(clientHeight));
    build();
    buildCommands();
    connectEvents();
    apply(session_.load());
    focusable(tabOrder.front())->setFocus();
}

void PlannerWindow::build()
{
    const DesignTable& table = designTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ControlDesign& d = table[i];
        QWidget* w = nullptr;
        switch (d.kind) {
        case Kind::ScrollBar:
            w = bars_[i] = makeScrollBar(d, int(i), readers_, this);
            break;
        case Kind::Button:
            w = exit_ = new QPushButton(qs(d.caption), this);
            exit_->setAutoDefault(false);
            break;
        case Kind::Label:
            w = labels_[i] = makeLabel(d, int(i), readers_, this);
            break;
        }
        w->setObjectName(qs(controlName(int(i))));
        w->setGeometry(pixels(d.twips));
        w->setToolTip(qs(d.tooltip));
        if (d.kind == Kind::ScrollBar)
            w->setAccessibleName(qs(d.meaning));
    }
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(focusable(tabOrder[i - 1]), focusable(tabOrder[i]));
}

// Each command an action of the window, so that its shortcut works
// wherever the focus is in it, and an item of the context menu.
void PlannerWindow::buildCommands()
{
    menu_ = new QMenu(this);
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const CommandDesign& c = commands[i];
        QAction* action = menu_->addAction(qs(c.caption));
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(c.key))); // Qt::Key_P is 'P'
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, i] { run(i); });
        addAction(action);
    }
    auto* shiftF10 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(shiftF10, &QShortcut::activated, this, &PlannerWindow::showMenuAtFocus);
    for (QScrollBar* bar : bars_)
        if (bar)
            bar->installEventFilter(this);
}

void PlannerWindow::run(std::size_t command)
{
    const int f = commands.at(command).form;
    if (f < 0)
        return askAndPrint(this, session_.dishTemplate(), ask_);
    applyForms(session_.followWindow()); // every form as the window stands
    if (!forms_[f])
        forms_[f] = new FormWindow(
            session_, f, [this](const FormChanges& c) { applyForms(c); }, this);
    forms_[f]->show();
    forms_[f]->raise();
    forms_[f]->activateWindow();
}

// Each form's update to its window, where it is made; a setting moves the
// bars as a user's move does.
void PlannerWindow::applyForms(const FormChanges& changes)
{
    for (const auto& [f, u] : changes) {
        if (forms_.at(f))
            forms_[f]->apply(u);
        if (u.setPlanner)
            for (const auto& [bar, value] : Session::barsFor(*u.setPlanner))
                scrollBar(bar)->setValue(value);
    }
}

// From the keys, the menu opens beside the focus on its first item, which
// a screen reader then reads.
void PlannerWindow::showMenuAtFocus()
{
    const QWidget* at = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    menu_->popup(at->mapToGlobal(QPoint(0, at->height() / 2)));
    menu_->setActiveAction(menu_->actions().constFirst());
}

void PlannerWindow::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        showMenuAtFocus();
    else
        menu_->popup(event->globalPos());
}

// The Menu key on a focused bar opens the window's menu, not the bar's.
bool PlannerWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        showMenuAtFocus();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void PlannerWindow::connectEvents()
{
    for (int r = 0; r < controlCount; ++r) {
        if (QScrollBar* bar = bars_[r])
            connect(bar, &QScrollBar::valueChanged, this, [this, r](int value) {
                apply(session_.moved(Ctl(r), static_cast<std::int16_t>(value)));
            });
    }
    connect(exit_, &QPushButton::clicked, this, [this] { apply(session_.exitPressed()); });
}

// A failed handler has still changed what its earlier steps wrote: that is
// shown, the error line goes to standard error, and the user hears a beep.
void PlannerWindow::apply(const Update& u)
{
    for (const int r : u.rows) {
        QLabel* label = labels_.at(r);
        QRect g = label->geometry();
        g.setHeight(px(session_.heightTwips(r)));
        label->setGeometry(g);
        label->setText(qs(session_.caption(r)));
    }
    if (!u.error.empty()) {
        std::cerr << u.error << std::endl;
        QApplication::beep();
    }
    readers_->announce(qs(u.announcement));
    if (u.formsBehind && !following_) { // once the window is shown, the forms follow it
        following_ = true;
        QTimer::singleShot(0, this, [this] {
            following_ = false;
            applyForms(session_.followWindow());
        });
    }
    if (u.close)
        close();
}

void PlannerWindow::closeEvent(QCloseEvent* event)
{
    session_.closed(); // from the frame, or after Exit: the planner has ended
    event->accept();
}

QScrollBar* PlannerWindow::scrollBar(Ctl bar) const
{
    return bars_[row(bar)];
}

QWidget* PlannerWindow::focusable(Ctl c) const
{
    return c == Ctl::cmdExit ? static_cast<QWidget*>(exit_) : scrollBar(c);
}

} // namespace planner
