// Helpers for the widget tests: find controls by name and act on a scroll
// bar's arrows, track and thumb with real mouse events.
#pragma once

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest>

#include "window/caption_label.h"
#include "window/planner_window.h"

namespace probe {

inline QScrollBar* bar(QWidget* w, const char* name)
{
    return w->findChild<QScrollBar*>(name);
}

inline QString caption(QWidget* w, const QString& name)
{
    auto* label = w->findChild<planner::CaptionLabel*>(name);
    return label ? label->caption() : QStringLiteral("<no %1>").arg(name);
}

// The centre of one part of a scroll bar, as its style lays it out now.
inline QPoint centreOf(QScrollBar* b, QStyle::SubControl part)
{
    QStyleOptionSlider opt;
    opt.initFrom(b);
    opt.subControls = QStyle::SC_All;
    opt.orientation = b->orientation();
    opt.minimum = b->minimum();
    opt.maximum = b->maximum();
    opt.sliderPosition = b->sliderPosition();
    opt.sliderValue = b->value();
    opt.singleStep = b->singleStep();
    opt.pageStep = b->pageStep();
    opt.upsideDown = b->invertedAppearance();
    return b->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, b).center();
}

inline void click(QScrollBar* b, QStyle::SubControl part)
{
    QTest::mouseClick(b, Qt::LeftButton, {}, centreOf(b, part));
}

// Moves a focused bar to value with arrow keys, as a user would.
inline void keyTo(QScrollBar* b, int value)
{
    b->setFocus();
    while (b->value() != value) {
        const int before = b->value();
        QTest::keyClick(b, b->value() < value ? Qt::Key_Down : Qt::Key_Up);
        if (b->value() == before)
            break; // an end of the range
    }
}

} // namespace probe
