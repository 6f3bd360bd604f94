// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/accessibility.h"

#include <QWidget>

#include "window/design.h"

namespace planner {

QString meaningOf(const ControlDesign& d)
{
    QString meaning = QString::fromUtf8(d.meaning.data(), qsizetype(d.meaning.size()));
    const QString radius =
        d.index == 1 ? QStringLiteral("1 inch") : QStringLiteral("%1 inches").arg(d.index);
    return meaning.replace(QLatin1String("{r}"), radius);
}

void describeForScreenReaders(QWidget* widget, const ControlDesign& d)
{
    const QString meaning = meaningOf(d);
    if (meaning.isEmpty())
        return;
    if (d.kind == Kind::ScrollBar)
        widget->setAccessibleName(meaning);
    else if (d.tooltip.empty())
        widget->setAccessibleDescription(meaning);
}

} // namespace planner
