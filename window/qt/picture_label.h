// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A form's picture in Qt: the core's shapes (builder/shapes.h) drawn at
// the screen's dots per inch in the window's text colour, high contrast
// included, shown as an image, whose name and description (the picture's
// text alternative) readers get. It takes the focus in the form's order,
// so that a reader reaches it by Tab, and shows it has it.
#pragma once

#include <QLabel>

#include "builder/shapes.h"

namespace planner {

class PictureLabel : public QLabel {
public:
    // Named by the view, once it has told the readers what it is.
    explicit PictureLabel(QWidget* parent);
    void setPicture(const Picture& p);
    // Where a point of the picture lands on the label, in its pixels.
    QPointF at(Point p) const;

protected:
    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void draw();
    Picture picture_;
};

} // namespace planner
