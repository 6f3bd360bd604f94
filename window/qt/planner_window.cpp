// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/planner_window.h"

#include <iostream>

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "window/qt/accessibility.h"
#include "window/qt/fonts.h"
#include "window/spoken.h"

namespace planner {

namespace {

QRect pixels(const Rect& r)
{
    return {r.left / twipsPerPixel, r.top / twipsPerPixel, r.width / twipsPerPixel,
            r.height / twipsPerPixel};
}

// A label's height in twips, shown to the nearest pixel.
int heightPixels(float twips)
{
    return qRound(twips / static_cast<float>(twipsPerPixel));
}

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// Every control knows its design row before it first tells a screen reader
// anything, so that the reader gets the planner's interface for it.
template <typename Control> Control* make(int row, QWidget* parent)
{
    auto* control = new Control(parent);
    control->setProperty("designRow", row);
    return control;
}

QScrollBar* makeScrollBar(const ControlDesign& d, int row, QWidget* parent)
{
    auto* bar = make<QScrollBar>(row, parent);
    bar->setOrientation(Qt::Vertical);
    bar->setRange(d.scroll.min, d.scroll.max);
    bar->setSingleStep(d.scroll.smallChange);
    bar->setPageStep(d.scroll.largeChange);
    bar->setValue(d.scroll.value);
    bar->setTracking(false); // a dragged thumb changes the value on release
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

// A label paints its whole rectangle in its back colour and wraps its
// caption at blanks, keeping them; a framed one draws it just inside the
// frame.
QLabel* makeLabel(const ControlDesign& d, int row, QWidget* parent)
{
    auto* label = make<QLabel>(row, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop |
                        (d.align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft));
    label->setAutoFillBackground(true);
    if (d.backColor) {
        QPalette p = label->palette();
        p.setColor(QPalette::Window, QColor::fromRgb(*d.backColor));
        label->setPalette(p);
    }
    if (d.border) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
        label->setIndent(0); // else QLabel indents from a frame by half an x
    }
    if (d.font == Font::Bold)
        label->setFont(boldFont());
    label->setText(text(d.caption));
    return label;
}

} // namespace

PlannerWindow::PlannerWindow(QWidget* parent)
    : QWidget(parent), handlers_(model_, [this] { close(); })
{
    setWindowTitle(tr("Parabolic dish planner: gain and profile"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/planner-16.png"));
    icon.addFile(QStringLiteral(":/icons/planner-32.png"));
    setWindowIcon(icon);
    setFont(defaultFont());
    setFixedSize(clientWidth / twipsPerPixel, clientHeight / twipsPerPixel);
    readers_ = new ScreenReaders(this, model_); // before any widget asks for its interface
    build();
    connectEvents();
    runHandler(Event::Load);
    scrollBar(Ctl::vsbFreq)->setFocus();
}

void PlannerWindow::build()
{
    const DesignTable& table = designTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ControlDesign& d = table[i];
        QWidget* w = nullptr;
        switch (d.kind) {
        case Kind::ScrollBar:
            w = bars_[i] = makeScrollBar(d, int(i), this);
            break;
        case Kind::Button:
            w = exit_ = new QPushButton(text(d.caption), this);
            exit_->setAutoDefault(false);
            break;
        case Kind::Label:
            w = labels_[i] = makeLabel(d, int(i), this);
            break;
        }
        w->setObjectName(d.index < 0 ? text(d.name)
                                     : QStringLiteral("%1(%2)").arg(text(d.name)).arg(d.index));
        w->setGeometry(pixels(d.twips));
        w->setToolTip(text(d.tooltip));
        if (d.kind == Kind::ScrollBar)
            w->setAccessibleName(text(d.meaning));
    }
    setTabOrder(scrollBar(Ctl::vsbFreq), scrollBar(Ctl::vsbDiam));
    setTabOrder(scrollBar(Ctl::vsbDiam), exit_);
    setTabOrder(exit_, scrollBar(Ctl::vsbDepth));
}

void PlannerWindow::connectEvents()
{
    const std::pair<Ctl, Event> bars[] = {{Ctl::vsbFreq, Event::FreqChange},
                                          {Ctl::vsbDiam, Event::DiamChange},
                                          {Ctl::vsbDepth, Event::DepthChange}};
    for (const auto& [bar, event] : bars) {
        connect(scrollBar(bar), &QScrollBar::valueChanged, this, [this, bar, event](int value) {
            model_.setValue(bar, static_cast<std::int16_t>(value));
            runHandler(event);
        });
    }
    connect(exit_, &QPushButton::clicked, this, [this] { runHandler(Event::ExitClick); });
}

void PlannerWindow::runHandler(Event e)
{
    const std::vector<std::string> before = captionsOf(model_);
    // A failed handler has still written its earlier captions: show them,
    // and let the user hear that the change went wrong.
    if (!handlers_.raise(e, std::cerr))
        QApplication::beep();
    showModel();
    if (e != Event::Load)
        readers_->announce(QString::fromStdString(changeAnnouncement(before, model_)));
}

void PlannerWindow::showModel()
{
    for (const int r : model_.takeChangedRows()) {
        QLabel* label = labels_.at(r);
        if (!label)
            continue; // the handlers change labels only
        QRect g = label->geometry();
        g.setHeight(heightPixels(model_.rowHeight(r)));
        label->setGeometry(g);
        label->setText(QString::fromStdString(model_.rowCaption(r)));
    }
}

QScrollBar* PlannerWindow::scrollBar(Ctl bar) const
{
    return bars_[row(bar)];
}

} // namespace planner
