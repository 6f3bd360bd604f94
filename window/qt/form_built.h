// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A Qt form's widgets for each of its items (window/qt/form_window.h),
// which its files share, and the two kinds of text it shows: a wrapped
// one, and a problem's sentences after the warning icon.
#pragma once

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

#include "window/qt/form_window.h"

class QComboBox;
class QGridLayout;
class QPushButton;
class QRadioButton;

namespace planner {

class FormEdit;
class PictureLabel;

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

inline QLabel* wrapped(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    return l;
}

// A problem's place: the warning icon, then its sentences.
inline QWidget* problemBox(QWidget* parent, QLabel*& text)
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

} // namespace planner
