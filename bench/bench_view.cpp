// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One whole change event through the Qt view: an arrow step on the diameter
// bar, its handler, and the widgets updated from the model; then the same
// with the window repainted as well; and a keystroke in the dish check.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include "window/qt/dish_check_window.h"
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
    planner::DishCheckWindow window(
        session, [](const planner::BarSetting&) {}, nullptr);
    window.show();
    QLineEdit* diameter = window.field(planner::Field::Diameter);
    diameter->setText(QStringLiteral("24"));
    const char* rows[][2] = {{"0", "0"},       {"4", "1.6667"},  {"8", "2.7667"}, {"12", "3"},
                             {"16", "2.6667"}, {"20", "1.6667"}, {"24", "0"}};
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 2; ++c)
            window.field(c ? planner::Field::Depth : planner::Field::Position, r)
                ->setText(QString::fromLatin1(rows[r][c]));
    QApplication::processEvents();
    bool typing = true;
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, typing ? Qt::Key_1 : Qt::Key_Backspace, Qt::NoModifier,
                      typing ? QStringLiteral("1") : QString());
        QCoreApplication::sendEvent(diameter, &key);
        typing = !typing;
    }
}
BENCHMARK(BM_check_keystroke);

} // namespace
