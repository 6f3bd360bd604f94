// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/form_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include "window/qt/accessibility.h"
#include "window/qt/form_edit.h"
#include "window/qt/picture_label.h"
#include "window/qt/text.h"

namespace planner {

// An item's widgets: what shows or hides it, and what shows its state.
struct FormWindow::Built {
    QWidget* box = nullptr;
    QLabel* words = nullptr;                   // a Text's, Heading's or Notes' words
    std::vector<QRadioButton*> options;        // a Choice's
    QComboBox* list = nullptr;                 // a List
    std::vector<std::vector<FormEdit*>> edits; // a Field's one, the Rows' a row each
    QGridLayout* grid = nullptr;               // the Rows', the Results'
    QWidget* problem = nullptr;                // a Field's or the Rows' sentences, with the icon
    QLabel* problemText = nullptr;
    QPushButton* button = nullptr;
    PictureLabel* picture = nullptr;
};

namespace {

QLabel* wrapped(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    return l;
}

// A problem's place: the warning icon, then its sentences.
QWidget* problemBox(QWidget* parent, QLabel*& text)
{
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* icon = new QLabel(box);
    const int side = box->style()->pixelMetric(QStyle::PM_SmallIconSize);
    icon->setPixmap(box->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side));
    icon->setAlignment(Qt::AlignTop);
    text = wrapped({}, box);
    row->addWidget(icon), row->addWidget(text, 1);
    box->hide();
    return box;
}

} // namespace

FormWindow::FormWindow(Session& session, int f, std::function<void(const FormChanges&)> host,
                       QWidget* planner)
    : QWidget(planner, Qt::Window), session_(session), form_(f), host_(std::move(host))
{
    readers_ = new ScreenReaders(this, session); // the window is a frame with a notification
    setWindowTitle(qs(presenter().spec().title));
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
    built_.resize(presenter().spec().items.size());
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

void FormWindow::buildItem(int i, QVBoxLayout* column, QLayout*& buttons)
{
    const form::Item& item = presenter().spec().items[i];
    Built& b = built_[i];
    QWidget* page = column->parentWidget();
    if (item.kind != form::Kind::Button)
        buttons = nullptr;
    switch (item.kind) {
    case form::Kind::Heading:
    case form::Kind::Text:
    case form::Kind::Notes: {
        b.box = b.words = wrapped(qs(item.text), page);
        if (item.kind == form::Kind::Heading) {
            QFont bold = b.words->font();
            bold.setBold(true);
            b.words->setFont(bold);
        }
        break;
    }
    case form::Kind::Choice: {
        auto* group = new QGroupBox(qs(item.text), page);
        auto* row = new QHBoxLayout(group);
        auto* exclusive = new QButtonGroup(group);
        for (int o = 0; o < int(item.options.size()); ++o) {
            auto* radio = new QRadioButton(qs(item.options[o]), group);
            exclusive->addButton(radio, o);
            row->addWidget(radio);
            b.options.push_back(radio);
            connect(radio, &QRadioButton::toggled, this, [this, i, o](bool on) {
                if (on && presenter().item(i).chosen != o)
                    act(session_.chose(form_, i, o));
            });
        }
        b.box = group;
        break;
    }
    case form::Kind::List: {
        b.box = new QWidget(page);
        auto* row = new QHBoxLayout(b.box);
        row->setContentsMargins(0, 0, 0, 0);
        auto* label = new QLabel(qs(item.text), b.box);
        b.list = new QComboBox(b.box);
        for (const std::string_view o : item.options)
            b.list->addItem(qs(o));
        label->setBuddy(b.list);
        row->addWidget(label), row->addWidget(b.list), row->addStretch();
        connect(b.list, &QComboBox::currentIndexChanged, this, [this, i](int o) {
            if (o >= 0 && presenter().item(i).chosen != o)
                act(session_.chose(form_, i, o));
        });
        break;
    }
    case form::Kind::Field: {
        b.box = new QWidget(page);
        auto* grid = new QGridLayout(b.box);
        grid->setContentsMargins(0, 0, 0, 0);
        auto* label = new QLabel(qs(item.text), b.box);
        QWidget* edit = field({i}, b.box);
        label->setBuddy(edit);
        grid->addWidget(label, 0, 0), grid->addWidget(edit, 0, 1);
        b.problem = problemBox(b.box, b.problemText);
        grid->addWidget(b.problem, 1, 0, 1, 2);
        grid->setColumnStretch(2, 1);
        break;
    }
    case form::Kind::Rows: {
        b.box = new QWidget(page);
        auto* v = new QVBoxLayout(b.box);
        v->setContentsMargins(0, 0, 0, 0);
        b.grid = new QGridLayout;
        for (int c = 0; c < int(item.options.size()); ++c)
            b.grid->addWidget(new QLabel(qs(item.options[c]), b.box), 0, c + 1);
        v->addLayout(b.grid);
        b.problem = problemBox(b.box, b.problemText);
        v->addWidget(b.problem);
        break;
    }
    case form::Kind::Button: {
        b.box = b.button = new QPushButton(qs(item.text), page);
        b.button->setAutoDefault(false);
        connect(b.button, &QPushButton::clicked, this, [this, i, &item] {
            const bool paste = item.action == form::Action::PasteRows;
            act(session_.pressed(form_, i,
                                 paste ? QApplication::clipboard()->text().toStdString() : ""));
        });
        if (!buttons) { // buttons side by side
            buttons = new QHBoxLayout;
            column->addLayout(buttons);
        }
        buttons->addWidget(b.button);
        return;
    }
    case form::Kind::Results:
        b.box = new QWidget(page);
        b.grid = new QGridLayout(b.box);
        b.grid->setContentsMargins(0, 0, 0, 0);
        b.grid->setColumnStretch(1, 1);
        break;
    case form::Kind::Picture:
        b.box = b.picture = new PictureLabel(page);
        readers_->add(b.picture, ScreenReaders::picture); // a graphic, with its alternative
        b.picture->setAccessibleName(qs(item.text));
        break;
    }
    column->addWidget(b.box);
}

// A field's line edit: its name for readers, its text to the session at
// each keystroke; a row's takes pasted pairs.
QWidget* FormWindow::field(const form::Cell& c, QWidget* parent)
{
    auto* edit = new FormEdit(parent);
    edit->setAccessibleName(qs(presenter().label(c)));
    edit->setText(qs(presenter().item(c.item).texts.at(std::max(c.row, 0)).at(c.column)));
    connect(edit, &QLineEdit::textEdited, this,
            [this, c](const QString& text) { act(session_.typed(form_, c, text.toStdString())); });
    if (c.row >= 0)
        edit->takesRows = [this, c](const QString& text) { return pasteRows(c, text); };
    auto& edits = built_[c.item].edits;
    if (int(edits.size()) <= std::max(c.row, 0))
        edits.resize(std::max(c.row, 0) + 1);
    edits[std::max(c.row, 0)].push_back(edit);
    return edit;
}

// Rows to the count the form has, each its number and its fields.
void FormWindow::addRows(int item)
{
    Built& b = built_[item];
    const int columns = int(presenter().spec().items[item].options.size());
    for (int r = int(b.edits.size()); r < presenter().rows(item); ++r) {
        QWidget* number = new QLabel(QString::number(r + 1), b.box);
        b.grid->addWidget(number, r + 1, 0);
        number->show(); // at once, so that the focus may go to the row
        for (int c = 0; c < columns; ++c) {
            QWidget* edit = field({item, r, c}, b.box);
            b.grid->addWidget(edit, r + 1, c + 1);
            edit->show();
        }
    }
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
    const form::Item& item = presenter().spec().items[i];
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

QWidget* FormWindow::widget(const form::Cell& c) const
{
    const Built& b = built_.at(c.item);
    if (b.button)
        return b.button;
    if (b.list)
        return b.list;
    return b.edits.at(std::max(c.row, 0)).at(c.column);
}

QWidget* FormWindow::option(int item, int option) const
{
    return built_.at(item).options.at(option);
}

QString FormWindow::problemShown(const form::Cell& c) const
{
    const Built& b = built_.at(c.item);
    if (!b.problem->isVisibleTo(this))
        return {};
    const QString shown = b.problemText->text();
    if (b.edits.size() == 1 && c.row < 0 && b.grid == nullptr)
        return shown; // a lone field's
    const QString mine = c.row < 0 ? qs(presenter().item(c.item).problem)
                                   : b.edits.at(c.row).at(c.column)->accessibleDescription();
    return !mine.isEmpty() && shown.contains(mine) ? mine : QString();
}

QString FormWindow::resultsShown() const
{
    QString all;
    for (std::size_t i = 0; i < built_.size(); ++i) {
        if (presenter().spec().items[i].kind != form::Kind::Results)
            continue;
        const QGridLayout* grid = built_[i].grid;
        for (int r = 0; r < grid->rowCount(); ++r)
            if (const auto* label = grid->itemAtPosition(r, 0))
                all += static_cast<QLabel*>(label->widget())->text() + ": " +
                       static_cast<QLabel*>(grid->itemAtPosition(r, 1)->widget())->text() + "\n";
    }
    return all;
}

QWidget* FormWindow::box(int item) const
{
    return built_.at(item).box;
}

} // namespace planner
