// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A Qt form's widgets for each kind of item, and what a test reaches of
// them as a user would.
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "window/qt/accessibility.h"
#include "window/qt/form_built.h"
#include "window/qt/form_edit.h"
#include "window/qt/picture_label.h"
#include "window/qt/text.h"

namespace planner {

void FormWindow::buildItem(int i, QVBoxLayout* column, QLayout*& buttons)
{
    const form::Item& item = presenter().outline().items[i];
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
    const int columns = int(presenter().outline().items[item].options.size());
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
        if (presenter().outline().items[i].kind != form::Kind::Results)
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
