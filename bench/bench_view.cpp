// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One whole change event through the Qt view: an arrow step on the diameter
// bar, its handler, and the widgets updated from the model; then the same
// with the window repainted as well; and a keystroke in the dish check.
#include <QApplication>
#include <QClipboard>
#include <QtTest>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include "window/qt/form_window.h"
#include "window/qt/planner_window.h"

namespace {

void changeEvents(benchmark::State& state, bool repaint)
{
    planner::PlannerWindow window;
    window.show();
    QApplication::processEvents();
    QScrollBar* diam = window.scrollBar(planner::Ctl::vsbDiam);
    diam->setValue(24);
    bool up = true;
    for (auto _ : state) {
        diam->triggerAction(up ? QAbstractSlider::SliderSingleStepAdd
                               : QAbstractSlider::SliderSingleStepSub);
        up = !up;
        if (repaint)
            window.repaint();
    }
}

void BM_change_event_view(benchmark::State& state)
{
    changeEvents(state, false);
}
BENCHMARK(BM_change_event_view);

void BM_change_event_view_and_repaint(benchmark::State& state)
{
    changeEvents(state, true);
}
BENCHMARK(BM_change_event_view_and_repaint);

// One keystroke in the dish check's window, its 7 rows filled: a digit
// typed into the diameter and taken away again, each checked and shown.
void BM_check_keystroke(benchmark::State& state)
{
    planner::Session session;
    session.load();
    planner::FormWindow* window = nullptr;
    window = new planner::FormWindow(
        session, 0,
        [&](const planner::FormChanges& c) {
            for (const auto& [f, u] : c)
                window->apply(u);
        },
        nullptr);
    window->show();
    const int diameter = planner::form::itemNamed(session.forms()[0].outline(), "diameter"),
              rows = planner::form::itemNamed(session.forms()[0].outline(), "rows");
    auto* edit = static_cast<QLineEdit*>(window->widget({diameter}));
    QTest::keyClicks(edit, QStringLiteral("24"));
    QApplication::clipboard()->setText(
        QStringLiteral("0\t0\n4\t1.6667\n8\t2.7667\n12\t3\n16\t2.6667\n20\t1.6667\n24\t0\n"));
    QTest::keyClick(window->widget({rows, 0, 0}), Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    bool typing = true;
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, typing ? Qt::Key_1 : Qt::Key_Backspace, Qt::NoModifier,
                      typing ? QStringLiteral("1") : QString());
        QCoreApplication::sendEvent(edit, &key);
        typing = !typing;
    }
    delete window;
}
BENCHMARK(BM_check_keystroke);

} // namespace
