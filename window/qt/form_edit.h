// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A form's line edit in Qt that offers what is pasted into it, however the
// user pastes (the keys, its context menu's Paste, a middle click, a drop),
// to takesRows first: pairs of a row fill the rows, and a lone figure
// pastes as Qt pastes it. Example: Ctrl+V of "0\t0\n4\t1.6667" in a row's
// field fills two rows; of "1.6667" inserts it at the cursor.
#pragma once

#include <functional>

#include <QLineEdit>

namespace planner {

class FormEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    // True where it took the text; none for a lone field.
    std::function<bool(const QString&)> takesRows;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    bool took(const QString& text) const { return takesRows && takesRows(text); }
};

} // namespace planner
