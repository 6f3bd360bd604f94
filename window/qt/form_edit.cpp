// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/form_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>

namespace planner {

void FormEdit::keyPressEvent(QKeyEvent* e)
{
    if (e->matches(QKeySequence::Paste) && took(QApplication::clipboard()->text()))
        return e->accept();
    QLineEdit::keyPressEvent(e);
}

// Qt's own menu, its Paste (known by Qt's own words for it, in whatever
// language) offering the text to the rows first, and so named.
void FormEdit::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu* menu = createStandardContextMenu();
    for (QAction* a : menu->actions())
        if (a->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr("&Paste")) {
            a->setObjectName(QStringLiteral("edit-paste"));
            disconnect(a, &QAction::triggered, this, nullptr);
            connect(a, &QAction::triggered, this, [this] {
                if (!took(QApplication::clipboard()->text()))
                    paste();
            });
        }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

// X11's middle click pastes the selection.
void FormEdit::mouseReleaseEvent(QMouseEvent* e)
{
    QClipboard* c = QApplication::clipboard();
    if (e->button() == Qt::MiddleButton && c->supportsSelection() &&
        took(c->text(QClipboard::Selection)))
        return e->accept();
    QLineEdit::mouseReleaseEvent(e);
}

void FormEdit::dragEnterEvent(QDragEnterEvent* e)
{
    if (takesRows && e->mimeData()->hasText())
        return e->acceptProposedAction();
    QLineEdit::dragEnterEvent(e);
}

void FormEdit::dropEvent(QDropEvent* e)
{
    if (e->mimeData()->hasText() && took(e->mimeData()->text()))
        return e->acceptProposedAction();
    QLineEdit::dropEvent(e);
}

} // namespace planner
