#include "window/planner_window.h"

#include <iostream>

#include <QIcon>
#include <QPushButton>
#include <QScrollBar>

#include "window/accessible_label.h"
#include "window/caption_label.h"
#include "window/fonts.h"

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

QWidget* makeWidget(const ControlDesign& d, QWidget* parent)
{
    const QString caption = QString::fromUtf8(d.caption.data(), qsizetype(d.caption.size()));
    switch (d.kind) {
    case Kind::ScrollBar: {
        auto* bar = new QScrollBar(Qt::Vertical, parent);
        bar->setRange(d.scroll.min, d.scroll.max);
        bar->setSingleStep(d.scroll.smallChange);
        bar->setPageStep(d.scroll.largeChange);
        bar->setValue(d.scroll.value);
        bar->setTracking(false); // a dragged thumb changes the value on release
        bar->setFocusPolicy(Qt::StrongFocus);
        return bar;
    }
    case Kind::Button: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case Kind::Label:
        break;
    }
    const Qt::Alignment align = d.align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    auto* label = new CaptionLabel(align, d.border, parent);
    label->setCaption(caption);
    if (d.backColor)
        label->setBackColor(QColor::fromRgb(*d.backColor));
    if (d.font == Font::Bold)
        label->setFont(boldFont());
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
    build();
    connectEvents();
    runHandler(Event::Load);
    scrollBar(Ctl::vsbFreq)->setFocus();
}

void PlannerWindow::build()
{
    installAccessibleLabels();
    const auto& table = designTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ControlDesign& d = table[i];
        QWidget* w = makeWidget(d, this);
        const QString name = QString::fromUtf8(d.name.data(), qsizetype(d.name.size()));
        w->setObjectName(d.index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(d.index));
        w->setGeometry(pixels(d.twips));
        if (!d.tooltip.empty())
            w->setToolTip(QString::fromUtf8(d.tooltip.data(), qsizetype(d.tooltip.size())));
        describeForScreenReaders(w, d);
        widgets_[i] = w;
    }
    setTabOrder(scrollBar(Ctl::vsbFreq), scrollBar(Ctl::vsbDiam));
    setTabOrder(scrollBar(Ctl::vsbDiam), widgets_[row(Ctl::cmdExit)]);
    setTabOrder(widgets_[row(Ctl::cmdExit)], scrollBar(Ctl::vsbDepth));
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
    auto* exit = static_cast<QPushButton*>(widgets_[row(Ctl::cmdExit)]);
    connect(exit, &QPushButton::clicked, this, [this] { runHandler(Event::ExitClick); });
}

void PlannerWindow::runHandler(Event e)
{
    handlers_.raise(e, std::cerr);
    showModel();
}

void PlannerWindow::showModel()
{
    for (const int r : model_.takeChangedRows()) {
        auto* label = static_cast<CaptionLabel*>(widgets_[r]);
        QRect g = label->geometry();
        g.setHeight(heightPixels(model_.rowHeight(r)));
        label->setGeometry(g);
        label->setCaption(QString::fromStdString(model_.rowCaption(r)));
    }
}

QScrollBar* PlannerWindow::scrollBar(Ctl bar) const
{
    return qobject_cast<QScrollBar*>(widgets_[row(bar)]);
}

} // namespace planner
