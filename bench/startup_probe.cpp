// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts one window and exits the moment it has first been shown and
// painted, without tearing anything down: the planner itself, or a bare Qt
// window holding the same 61 widgets (plain QLabels, with the same captions
// and fonts) and no model, handlers or calculations.
// Usage: startup_probe planner|bare
#include <cstdlib>
#include <cstring>
#include <memory>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWindow>

#include "window/design.h"
#include "window/qt/accessibility.h"
#include "window/qt/fonts.h"
#include "window/qt/planner_window.h"

namespace {

std::unique_ptr<QWidget> bareWindow()
{
    using namespace planner;
    auto w = std::make_unique<QWidget>();
    w->setFixedSize(clientWidth / twipsPerPixel, clientHeight / twipsPerPixel);
    w->setFont(fontFor(Font::Default));
    for (const ControlDesign& d : designTable()) {
        const QString caption = QString::fromUtf8(d.caption.data(), qsizetype(d.caption.size()));
        QWidget* c = nullptr;
        if (d.kind == Kind::ScrollBar)
            c = new QScrollBar(w.get());
        else if (d.kind == Kind::Button)
            c = new QPushButton(caption, w.get());
        else
            c = new QLabel(caption, w.get());
        if (d.font != Font::Default)
            c->setFont(fontFor(d.font));
        c->setGeometry(d.twips.left / twipsPerPixel, d.twips.top / twipsPerPixel,
                       d.twips.width / twipsPerPixel, d.twips.height / twipsPerPixel);
    }
    return w;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    planner::installAccessibility();
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    std::unique_ptr<QWidget> window =
        bare ? bareWindow() : std::make_unique<planner::PlannerWindow>();
    window->show();
    while (!window->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window->repaint();
    std::_Exit(0);
}
