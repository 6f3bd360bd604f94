// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculations, one handler on the control model, and the dish check,
// without widgets.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "builder/dish_check.h"
#include "builder/forms.h"
#include "builder/parabola_fit.h"
#include "calc/curve.h"
#include "calc/decplaces.h"
#include "calc/ggainn.h"
#include "window/planner_handlers.h"

namespace {

void BM_decplaces(benchmark::State& state)
{
    const rt::Value x(3.125), places(std::int16_t{2});
    for (auto _ : state) {
        calc::decplaces(x, places);
        benchmark::DoNotOptimize(calc::rounded);
    }
}
BENCHMARK(BM_decplaces);

void BM_ggainn(benchmark::State& state)
{
    const rt::Value freq("2400"), diam(24.0);
    for (auto _ : state) {
        calc::ggainn(freq, diam);
        benchmark::DoNotOptimize(calc::gain);
    }
}
BENCHMARK(BM_ggainn);

void BM_curve_24in(benchmark::State& state)
{
    planner::ControlModel model;
    const rt::Value diam(24.0), fdr(0.75);
    for (auto _ : state) {
        calc::curve(diam, fdr, model);
        benchmark::DoNotOptimize(model.takeChangedRows());
    }
}
BENCHMARK(BM_curve_24in);

void BM_vsbDiam_Change_model(benchmark::State& state)
{
    planner::ControlModel model;
    planner::PlannerHandlers handlers(model, [] {});
    handlers.Form_Load();
    std::int16_t diam = 24;
    for (auto _ : state) {
        diam = diam == 24 ? 25 : 24;
        model.setValue(planner::Ctl::vsbDiam, diam);
        handlers.vsbDiam_Change();
        benchmark::DoNotOptimize(model.takeChangedRows());
    }
}
BENCHMARK(BM_vsbDiam_Change_model);

// A round dish measured at 100 points along the edge, a little off the
// curve: their fit, and the whole check with its figures and sentences.
std::vector<std::array<std::string, 2>> hundredRows()
{
    std::vector<std::array<std::string, 2>> rows;
    for (int i = 0; i < 100; ++i) {
        const double x = i * 0.24;
        rows.push_back({rt::doubleToText(x),
                        rt::doubleToText(3 - (x - 12) * (x - 12) / 48 + (i % 7) * 0.001)});
    }
    return rows;
}

void BM_fit_100_points(benchmark::State& state)
{
    std::vector<double> x, h;
    for (const auto& [position, depth] : hundredRows())
        x.push_back(rt::val(position)), h.push_back(rt::val(depth));
    for (auto _ : state)
        benchmark::DoNotOptimize(planner::fitParabola(x, h));
}
BENCHMARK(BM_fit_100_points);

void BM_check_round_100_points(benchmark::State& state)
{
    const planner::DishInput in{
        planner::DishShape::Round, planner::Unit::Inches, "24", hundredRows(), "", "", ""};
    const planner::WindowFacts window{"2400", 10, 40, 10, 50};
    for (auto _ : state)
        benchmark::DoNotOptimize(planner::checkDish(in, window));
}
BENCHMARK(BM_check_round_100_points);

// One keystroke in the feed's form, a can's diameter typed at the window's
// 24-inch dish at 2400 MHz: the budget with its integrals, the can's
// beamwidths, the best can's and the best cos^n's searches, the picture,
// every figure's text, and the presenter's comparison of what changed.
void BM_feed_keystroke(benchmark::State& state)
{
    planner::Forms forms({"2400", 10, 40, 10, 50, "24", "12", "0.5"});
    const int feed = 1, can = planner::form::itemNamed(forms[feed].outline(), "can");
    bool other = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(forms.typed(feed, {can}, other ? "3.6" : "3.5"));
        other = !other;
    }
}
BENCHMARK(BM_feed_keystroke);

} // namespace
