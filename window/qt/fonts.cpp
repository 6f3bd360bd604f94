// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/fonts.h"

#include <QStringList>

#include "window/qt/text.h"

namespace planner {

QFont fontFor(Font which)
{
    const FontDesign& design = fontOf(which);
    QStringList faces;
    for (std::string_view face : design.faces)
        faces << qs(face);
    QFont f;
    f.setFamilies(faces);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(design.points());
    f.setWeight(QFont::Weight(design.weight));
    return f;
}

} // namespace planner
