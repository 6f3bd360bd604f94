// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A form's picture in Qt: the core's shapes (builder/shapes.h) drawn at
// the screen's dots per inch in the window's text colour, high contrast
// included, shown as an image, whose name and description (the picture's
// text alternative) readers get.
#pragma once

#include <QLabel>

#include "builder/shapes.h"

namespace planner {

class PictureLabel : public QLabel {
public:
    PictureLabel(const QString& name, QWidget* parent);
    void setPicture(const Picture& p);
    // Where a point of the picture lands on the label, in its pixels.
    QPointF at(Point p) const;

protected:
    void changeEvent(QEvent* e) override;

private:
    void draw();
    Picture picture_;
};

} // namespace planner
