// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculations and one handler on the control model, without widgets.
#include <benchmark/benchmark.h>

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

} // namespace
