// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/dish_check_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>

#include "builder/check_form.h"
#include "window/qt/accessibility.h"
#include "window/qt/text.h"

namespace planner {

namespace {

QLabel* wrapped(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    return l;
}

} // namespace

DishCheckWindow::DishCheckWindow(const Session& session,
                                 std::function<void(const BarSetting&)> setPlanner,
                                 QWidget* planner)
    : QWidget(planner, Qt::Window), session_(session), setPlanner_(std::move(setPlanner))
{
    readers_ = new ScreenReaders(this, session); // the window is a frame with a notification
    setWindowTitle(qs(checkTitle));
    // The form scrolls as a whole, rows and all, on a small screen or zoomed.
    auto* scroll = new QScrollArea(this);
    auto* form = new QWidget(scroll);
    auto* layout = new QVBoxLayout(form);
    auto* shapes = new QGroupBox(qs(shapeLabel), this);
    auto* shapeRow = new QHBoxLayout(shapes);
    round_ = new QRadioButton(qs(shapeNames[0]), shapes);
    offset_ = new QRadioButton(qs(shapeNames[1]), shapes);
    round_->setChecked(true);
    shapeRow->addWidget(round_), shapeRow->addWidget(offset_);
    unit_ = new QComboBox(this);
    for (std::string_view u : unitNames)
        unit_->addItem(qs(u));
    auto* unitLabel = new QLabel(qs(planner::unitLabel), this);
    unitLabel->setBuddy(unit_);
    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(unitLabel), unitRow->addWidget(unit_), unitRow->addStretch();
    howTo_ = wrapped(qs(howToMeasure[0]), this);
    pages_ = new QStackedWidget(this);
    pages_->addWidget(buildRound()), pages_->addWidget(buildOffset());
    problems_ = wrapped({}, this);
    problems_->setForegroundRole(QPalette::Link); // set apart from the figures
    auto* heading = new QLabel(qs(resultsHeading), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    results_ = new QGridLayout;
    notes_ = wrapped({}, this);
    set_ = new QPushButton(this);
    layout->addWidget(shapes);
    layout->addLayout(unitRow);
    for (QWidget* w : std::initializer_list<QWidget*>{howTo_, pages_, problems_, heading})
        layout->addWidget(w);
    layout->addLayout(results_);
    layout->addWidget(notes_), layout->addWidget(set_), layout->addStretch();
    scroll->setWidget(form);
    scroll->setWidgetResizable(true);
    (new QVBoxLayout(this))->addWidget(scroll);
    layout->activate();
    // Tall enough for the results too, where the screen is.
    const int results = 14 * fontMetrics().lineSpacing() * 3 / 2;
    resize(form->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width() + 24,
           std::min(form->sizeHint().height() + results,
                    (planner ? planner->screen() : QGuiApplication::primaryScreen())
                            ->availableSize()
                            .height() *
                        4 / 5));
    pause_ = new QTimer(this);
    pause_->setSingleShot(true);
    pause_->setInterval(announcePauseMs);
    connect(pause_, &QTimer::timeout, this,
            [this] { readers_->announce(qs(checkAnnouncement(check_))); });
    connect(round_, &QRadioButton::toggled, this, [this](bool round) {
        pages_->setCurrentIndex(round ? 0 : 1);
        howTo_->setText(qs(howToMeasure[round ? 0 : 1]));
        update(true);
    });
    connect(unit_, &QComboBox::currentIndexChanged, this, [this] { update(true); });
    connect(set_, &QPushButton::clicked, this, [this] {
        if (check_.setting)
            setPlanner_(*check_.setting);
    });
    update(false);
}

QWidget* DishCheckWindow::buildRound()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    diameter_ = addField(grid, 0, Field::Diameter);
    rows_ = new QGridLayout;
    for (int c = 0; c < 2; ++c)
        rows_->addWidget(new QLabel(qs(rowHeadings[c]), page), 0, c + 1);
    grid->addLayout(rows_, 1, 0, 1, 2);
    for (int i = 0; i < firstRows; ++i)
        addRow();
    add_ = new QPushButton(qs(addRowCaption), page);
    paste_ = new QPushButton(qs(pasteRowsCaption), page);
    grid->addWidget(add_, 2, 0), grid->addWidget(paste_, 2, 1);
    connect(add_, &QPushButton::clicked, this, [this] {
        addRow();
        rowFields_.back().first->setFocus();
    });
    connect(paste_, &QPushButton::clicked, this, [this] { pasteAt(0); });
    return page;
}

QWidget* DishCheckWindow::buildOffset()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    width_ = addField(grid, 0, Field::Width);
    height_ = addField(grid, 1, Field::Height);
    depth_ = addField(grid, 2, Field::OffsetDepth);
    grid->setRowStretch(3, 1);
    return page;
}

// A labelled field, checked again as each key is typed.
QLineEdit* DishCheckWindow::addField(QGridLayout* grid, int line, Field f, int row)
{
    auto* edit = new QLineEdit(grid->parentWidget());
    auto* label = new QLabel(qs(fieldLabel(f, row)), grid->parentWidget());
    label->setBuddy(edit);
    edit->setAccessibleName(qs(fieldLabel(f, row)));
    grid->addWidget(label, line, 0), grid->addWidget(edit, line, 1);
    connect(edit, &QLineEdit::textEdited, this, [this] { update(true); });
    return edit;
}

void DishCheckWindow::addRow()
{
    if (int(rowFields_.size()) >= mostRows)
        return;
    const int r = int(rowFields_.size()), line = r + 1;
    rows_->addWidget(new QLabel(QString::number(r + 1), diameter_->parentWidget()), line, 0);
    QLineEdit *x = new QLineEdit(diameter_->parentWidget()),
              *h = new QLineEdit(diameter_->parentWidget());
    for (auto [edit, f] : {std::pair{x, Field::Position}, {h, Field::Depth}}) {
        edit->setAccessibleName(qs(fieldLabel(f, r)));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this] { update(true); });
    }
    rows_->addWidget(x, line, 1), rows_->addWidget(h, line, 2);
    rowFields_.emplace_back(x, h);
}

// Pairs pasted from the clipboard fill the rows from this one, adding
// rows as they need.
void DishCheckWindow::pasteAt(int row)
{
    const auto pasted = pastedRows(QApplication::clipboard()->text().toStdString());
    for (std::size_t i = 0; i < pasted.size() && row + int(i) < mostRows; ++i) {
        while (int(rowFields_.size()) <= row + int(i))
            addRow();
        rowFields_[row + i].first->setText(qs(pasted[i][0]));
        rowFields_[row + i].second->setText(qs(pasted[i][1]));
    }
    update(true);
}

// Ctrl+V of lines in a row's field fills the rows; of one line, pastes as usual.
bool DishCheckWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
        QApplication::clipboard()->text().contains(QLatin1Char('\n'))) {
        for (int r = 0; r < int(rowFields_.size()); ++r)
            if (watched == rowFields_[r].first || watched == rowFields_[r].second)
                return pasteAt(r), true;
    }
    return QWidget::eventFilter(watched, event);
}

DishInput DishCheckWindow::input() const
{
    DishInput in{round_->isChecked() ? DishShape::Round : DishShape::Offset,
                 Unit(unit_->currentIndex()),
                 diameter_->text().toStdString(),
                 {},
                 width_->text().toStdString(),
                 height_->text().toStdString(),
                 depth_->text().toStdString()};
    for (const auto& [x, h] : rowFields_)
        in.rows.push_back({x->text().toStdString(), h->text().toStdString()});
    return in;
}

QLineEdit* DishCheckWindow::field(Field f, int row) const
{
    switch (f) {
    case Field::Diameter:
        return diameter_;
    case Field::Position:
    case Field::Depth:
        return row >= 0 && row < int(rowFields_.size())
                   ? (f == Field::Position ? rowFields_[row].first : rowFields_[row].second)
                   : nullptr;
    case Field::Width:
        return width_;
    case Field::Height:
        return height_;
    case Field::OffsetDepth:
        return depth_;
    case Field::Rows:
        break;
    }
    return nullptr;
}

QRadioButton* DishCheckWindow::shape(DishShape s) const
{
    return s == DishShape::Round ? round_ : offset_;
}

void DishCheckWindow::refresh()
{
    update(false);
}

// The check again: each field's problem as its description, the problems
// under the fields, the results, the notes, the setting's button.
void DishCheckWindow::update(bool announce)
{
    check_ = session_.checkDish(input());
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->setAccessibleDescription({});
    QStringList said;
    for (const Problem& p : check_.problems) {
        if (QLineEdit* e = field(p.field, p.row))
            e->setAccessibleDescription(qs(p.sentence));
        said << qs(p.sentence);
    }
    problems_->setText(said.join(QLatin1Char('\n')));
    problems_->setVisible(!said.isEmpty());
    showResults(check_);
    if (announce)
        pause_->start();
}

void DishCheckWindow::showResults(const DishCheck& c)
{
    while (QLayoutItem* item = results_->takeAt(0))
        delete item->widget(), delete item;
    for (int i = 0; i < int(c.results.size()); ++i) {
        auto* label = new QLabel(qs(c.results[i].label), this);
        auto* value = new QLabel(qs(c.results[i].value), this);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setAccessibleName(qs(c.results[i].label + " " + c.results[i].value));
        results_->addWidget(label, i, 0), results_->addWidget(value, i, 1);
    }
    QStringList notes;
    for (const std::string& n : c.notes)
        notes << qs(n);
    notes_->setText(notes.join(QLatin1Char(' ')));
    set_->setVisible(c.setting.has_value());
    if (c.setting)
        set_->setText(qs(setPlannerCaption(*c.setting)));
}

QString DishCheckWindow::result(const QString& label) const
{
    for (int i = 0; i < results_->rowCount(); ++i) {
        const auto* l = results_->itemAtPosition(i, 0);
        if (l && static_cast<QLabel*>(l->widget())->text() == label)
            return static_cast<QLabel*>(results_->itemAtPosition(i, 1)->widget())->text();
    }
    return {};
}

QString DishCheckWindow::problems() const
{
    return problems_->text();
}

} // namespace planner
