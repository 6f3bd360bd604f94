// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/shape_painter.h"

#include "window/qt/fonts.h"
#include "window/qt/text.h"

namespace planner {

QPointF ShapePainter::at(Point p) const
{
    const Point q = d_.at(p);
    return {q.x, q.y};
}

QPen ShapePainter::pen(const Shape& s) const
{
    QPen pen(ink_, d_.points(s.width), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (s.dashed) // in widths of the pen
        pen.setDashPattern(
            {d_.inches(dashLength) / pen.widthF(), d_.inches(dashGap) / pen.widthF()});
    return pen;
}

// A text at its anchor on the baseline, in the design's print font.
void ShapePainter::paintText(const Shape& s)
{
    QFont font = fontFor(Font::Print);
    font.setPointSizeF(s.width);
    font.setBold(s.bold);
    p_.setFont(font);
    const QString text = qs(s.text);
    const double width = QFontMetricsF(font, p_.device()).horizontalAdvance(text);
    const double shift = s.anchor == Shape::Anchor::Middle ? width / 2
                         : s.anchor == Shape::Anchor::End  ? width
                                                           : 0;
    p_.setPen(ink_);
    p_.drawText(at(s.points.at(0)) - QPointF(shift, 0), text);
}

void ShapePainter::paint(const Shape& s)
{
    switch (s.kind) {
    case Shape::Kind::Line: {
        QPolygonF line;
        for (const Point& point : s.points)
            line << at(point);
        p_.setPen(pen(s));
        p_.drawPolyline(line);
        break;
    }
    case Shape::Kind::Box: {
        const QRectF box(at(s.points.at(0)), at(s.points.at(1)));
        if (s.shaded) {
            p_.fillRect(box, QColor::fromRgb(shadeColour));
        } else {
            p_.setPen(pen(s));
            p_.setBrush(Qt::NoBrush);
            p_.drawRect(box);
        }
        break;
    }
    case Shape::Kind::Text:
        paintText(s);
        break;
    }
}

void ShapePainter::clip(Point topLeft, Point bottomRight)
{
    p_.save();
    p_.setClipRect(QRectF(at(topLeft), at(bottomRight)));
}

void ShapePainter::unclip()
{
    p_.restore();
}

} // namespace planner
