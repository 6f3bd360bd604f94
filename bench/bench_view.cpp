// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One whole change event through the Qt view: an arrow step on the diameter
// bar, its handler, and the widgets updated from the model; then the same
// with the window repainted as well.
#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

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

} // namespace
