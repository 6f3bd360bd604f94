// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/form_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include "window/qt/accessibility.h"
#include "window/qt/form_built.h"
#include "window/qt/form_edit.h"
#include "window/qt/picture_label.h"
#include "window/qt/text.h"

namespace planner {

FormWindow::FormWindow(Session& session, int f, std::function<void(const FormChanges&)> host,
                       QWidget* planner)
    : QWidget(planner, Qt::Window), session_(session), form_(f), host_(std::move(host))
{
    readers_ = new ScreenReaders(this, session); // the window is a frame with a notification
    setWindowTitle(qs(presenter().outline().title));
    pause_ = new QTimer(this);
    pause_->setSingleShot(true);
    pause_->setInterval(form::pauseMs);
    connect(pause_, &QTimer::timeout, this, [this] { readers_->announce(qs(presenter().said())); });
    build();
}

FormWindow::~FormWindow() = default;

// The form scrolls as a whole, rows and all, on a small screen or zoomed;
// the window opens tall enough for its results too, where the screen is.
void FormWindow::build()
{
    auto* scroll = new QScrollArea(this);
    auto* page = new QWidget(scroll);
    auto* column = new QVBoxLayout(page);
    built_.resize(presenter().outline().items.size());
    QLayout* buttons = nullptr;
    for (int i = 0; i < int(built_.size()); ++i)
        buildItem(i, column, buttons);
    column->addStretch();
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    (new QVBoxLayout(this))->addWidget(scroll);
    for (int i = 0; i < int(built_.size()); ++i)
        redraw(i);
    relinkTabs();
    column->activate();
    const QMargins outer = layout()->contentsMargins();
    const int results = 16 * fontMetrics().lineSpacing();
    const QScreen* screen =
        parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    resize(page->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width() +
               2 * scroll->frameWidth() + outer.left() + outer.right(),
           std::min(page->sizeHint().height() + results, screen->availableSize().height() * 4 / 5));
}

bool FormWindow::pasteRows(const form::Cell& c, const QString& text)
{
    const std::optional<FormChanges> changes = session_.pasted(form_, c, text.toStdString());
    if (changes)
        act(*changes);
    return changes.has_value();
}

void FormWindow::act(const FormChanges& changes)
{
    host_(changes);
}

void FormWindow::apply(const form::Update& u)
{
    for (const form::Cell& c : u.rewritten) {
        addRows(c.item);
        built_[c.item]
            .edits.at(std::max(c.row, 0))
            .at(c.column)
            ->setText(qs(presenter().item(c.item).texts.at(std::max(c.row, 0)).at(c.column)));
    }
    for (const int i : u.changed)
        redraw(i);
    if (u.focus)
        widget(*u.focus)->setFocus();
    if (!u.clipboard.empty())
        QApplication::clipboard()->setText(qs(u.clipboard));
    readers_->announce(qs(u.tell));
    if (u.pause)
        pause_->start();
}

// An item as the presenter has it now.
void FormWindow::redraw(int i)
{
    const form::ItemState& s = presenter().item(i);
    const form::Item& item = presenter().outline().items[i];
    Built& b = built_[i];
    b.box->setVisible(s.shown);
    if (b.words && item.kind != form::Kind::Heading)
        b.words->setText(qs(s.words));
    if (b.button && item.text.empty())
        b.button->setText(qs(s.words));
    if (!b.options.empty())
        b.options.at(s.chosen)->setChecked(true);
    if (b.list)
        b.list->setCurrentIndex(s.chosen);
    if (item.kind == form::Kind::Rows && int(b.edits.size()) != presenter().rows(i)) {
        addRows(i);
        relinkTabs();
    }
    if (b.problem)
        showProblems(i);
    if (item.kind == form::Kind::Results) {
        while (QLayoutItem* old = b.grid->takeAt(0))
            delete old->widget(), delete old;
        for (int r = 0; r < int(s.results.size()); ++r) {
            auto* value = wrapped(qs(s.results[r].value), b.box); // within the window's width
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            b.grid->addWidget(new QLabel(qs(s.results[r].label), b.box), r, 0);
            b.grid->addWidget(value, r, 1);
        }
    }
    if (b.picture)
        b.picture->setPicture(s.picture);
}

// Each field's sentence by it, and as its description; the sentences of a
// row's fields, and of the rows as a whole, under the rows.
void FormWindow::showProblems(int i)
{
    const form::ItemState& s = presenter().item(i);
    Built& b = built_[i];
    QStringList said;
    for (std::size_t r = 0; r < b.edits.size() && r < s.problems.size(); ++r)
        for (std::size_t c = 0; c < b.edits[r].size(); ++c) {
            const QString sentence = qs(s.problems[r].at(c));
            b.edits[r][c]->setAccessibleDescription(sentence);
            if (!sentence.isEmpty())
                said << sentence;
        }
    if (!s.problem.empty())
        said << qs(s.problem);
    b.problemText->setText(said.join(QLatin1Char('\n')));
    b.problem->setVisible(!said.isEmpty());
}

// The keys go through the form in its order, rows added included; the
// window opens with the focus on the first.
void FormWindow::relinkTabs()
{
    QWidget* previous = nullptr;
    const auto link = [&](QWidget* w) {
        if (previous)
            setTabOrder(previous, w);
        else if (!focusWidget())
            w->setFocus();
        previous = w;
    };
    for (const Built& b : built_) {
        for (QRadioButton* o : b.options)
            link(o);
        if (b.list)
            link(b.list);
        for (const auto& row : b.edits)
            for (FormEdit* e : row)
                link(e);
        if (b.picture)
            link(b.picture);
        if (b.button)
            link(b.button);
    }
}

} // namespace planner
