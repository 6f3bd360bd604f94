// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The builder's shapes (builder/shapes.h) on a QPainter, for the printed
// template and for a form's picture on the screen alike: lines and boxes
// in the ink given, dashes in widths of the pen, texts in the design's
// print font at their anchor on the baseline.
#pragma once

#include <QColor>
#include <QPainter>

#include "builder/printer_page.h"

namespace planner {

class ShapePainter : public Painter {
public:
    // On painter, inches to its device by d, in ink.
    ShapePainter(QPainter& painter, const DeviceMapping& d, QColor ink = Qt::black)
        : p_(painter), d_(d), ink_(ink)
    {
    }
    void paint(const Shape& s) override;
    void clip(Point topLeft, Point bottomRight) override;
    void unclip() override;

private:
    QPointF at(Point p) const;
    QPen pen(const Shape& s) const;
    void paintText(const Shape& s);

    QPainter& p_;
    DeviceMapping d_;
    QColor ink_;
};

} // namespace planner
