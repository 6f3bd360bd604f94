#include "window/caption_label.h"

#include <QAccessible>
#include <QPainter>

namespace planner {

CaptionLabel::CaptionLabel(Qt::Alignment alignment, bool border, QWidget* parent)
    : QWidget(parent), alignment_(alignment), border_(border)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CaptionLabel::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
    QAccessibleEvent changed(this, QAccessible::NameChanged); // as QLabel does
    QAccessible::updateAccessibility(&changed);
}

void CaptionLabel::setBackColor(const QColor& color)
{
    backColor_ = color;
    update();
}

void CaptionLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), backColor_.isValid() ? backColor_ : palette().color(QPalette::Window));
    QRect text = rect();
    if (border_) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        text.adjust(2, 1, -2, -1);
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.setClipRect(text);
    p.drawText(text, static_cast<int>(alignment_ | Qt::AlignTop | Qt::TextWordWrap), caption_);
}

} // namespace planner
