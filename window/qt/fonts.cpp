// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/fonts.h"

#include <QStringList>

namespace planner {

QFont defaultFont()
{
    QFont f;
    f.setFamilies({"Liberation Sans", "Arial", "Helvetica"});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(8.0);
    return f;
}

QFont boldFont()
{
    QFont f = defaultFont();
    f.setFamilies({"MS Sans Serif", "Liberation Sans", "Arial", "Helvetica"});
    f.setPointSizeF(9.75);
    f.setWeight(QFont::Bold);
    return f;
}

} // namespace planner
