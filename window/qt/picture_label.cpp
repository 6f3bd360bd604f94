// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/picture_label.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "window/qt/shape_painter.h"
#include "window/qt/text.h"

namespace planner {

PictureLabel::PictureLabel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureLabel::paintEvent(QPaintEvent* e)
{
    QLabel::paintEvent(e);
    if (!hasFocus())
        return;
    QPainter p(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
}

void PictureLabel::setPicture(const Picture& p)
{
    if (p == picture_ && !pixmap().isNull())
        return;
    picture_ = p;
    setAccessibleDescription(qs(p.alternative));
    draw();
}

QPointF PictureLabel::at(Point p) const
{
    return {p.x * logicalDpiX(), p.y * logicalDpiY()};
}

void PictureLabel::draw()
{
    if (picture_.shapes.empty())
        return setPixmap({}); // nothing to draw
    // Sharp on a screen of more device pixels than logical ones: the
    // painter works in logical pixels, the pixmap holds the device's.
    const double scale = devicePixelRatioF();
    QPixmap pixmap(QSize(int(picture_.width * logicalDpiX() * scale),
                         int(picture_.height * logicalDpiY() * scale)));
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(palette().color(QPalette::Window));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    ShapePainter painter(p, {double(logicalDpiX()), double(logicalDpiY()), 0, 0, 0},
                         palette().color(QPalette::WindowText));
    for (const planner::Shape& s : picture_.shapes) // not QFrame::Shape
        painter.paint(s);
    p.end();
    setPixmap(pixmap);
    setFixedSize(pixmap.deviceIndependentSize().toSize()); // whole, however short the window
}

void PictureLabel::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::PaletteChange && !picture_.shapes.empty())
        draw();
    QLabel::changeEvent(e);
}

} // namespace planner
