// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the planner window offscreen after moving its three scroll bars to
// the given values, and saves it as a PNG; with a builder's form and what
// to put in it (tools/form_filling.h), that form's window instead, whole.
// A developer's tool, not installed.
//
// Usage: planner-screenshot FREQ DIAM DEPTH OUT.png [FORM ID=TEXT...]
// Example: planner-screenshot 2400 24 30 docs/planner.png
//          planner-screenshot 2400 24 30 check.png 0 diameter=24 "rows=0\t0\n12\t3\n24\t0"
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QScrollBar>

#include "tools/form_filling.h"
#include "window/qt/accessibility.h"
#include "window/qt/form_window.h"
#include "window/qt/planner_window.h"

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    planner::installAccessibility();
    const QStringList args = app.arguments();
    if (args.size() < 5 || args.size() == 6) {
        std::fprintf(stderr,
                     "usage: planner-screenshot FREQ DIAM DEPTH OUT.png [FORM ID=TEXT...]\n");
        return 2;
    }
    planner::PlannerWindow window;
    const planner::Ctl bars[] = {planner::Ctl::vsbFreq, planner::Ctl::vsbDiam,
                                 planner::Ctl::vsbDepth};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const int value = args[i + 1].toInt(&ok);
        QScrollBar* bar = window.scrollBar(bars[i]);
        if (!ok || value < bar->minimum() || value > bar->maximum()) {
            std::fprintf(stderr, "value %s is outside %d to %d\n", qPrintable(args[i + 1]),
                         bar->minimum(), bar->maximum());
            return 2;
        }
        bar->setValue(value); // raises the bar's change, as a user's move does
    }
    window.show();
    QWidget* shown = &window;
    if (argc > 6) {
        const int f = args[5].toInt();
        if (!fillForm(const_cast<planner::Session&>(window.session()), f, argc - 6, argv + 6))
            return 2;
        auto* form = new planner::FormWindow(
            const_cast<planner::Session&>(window.session()), f, [](const auto&) {}, &window);
        form->show();
        form->resize(form->width(), 1400); // whole, unscrolled
        QApplication::processEvents();     // laid out at that size
        shown = form;
    }
    if (!shown->grab().save(args[4])) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[4]));
        return 1;
    }
    return 0;
}
