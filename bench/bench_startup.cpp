// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up to the first shown window, and the peak memory of that process:
// the planner against a bare Qt window with the same 61 widgets, each a new
// process per iteration.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>

#include <benchmark/benchmark.h>

extern char** environ;

namespace {

void startup(benchmark::State& state, const char* which)
{
    char probe[] = STARTUP_PROBE;
    char mode[32];
    std::snprintf(mode, sizeof mode, "%s", which);
    char* argv[] = {probe, mode, nullptr};
    long peakKb = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, probe, nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the probe failed");
            return;
        }
        peakKb = std::max(peakKb, usage.ru_maxrss);
    }
    state.counters["peak_rss_kB"] = double(peakKb);
}

void BM_startup_planner(benchmark::State& state)
{
    startup(state, "planner");
}
BENCHMARK(BM_startup_planner)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_startup_bare_window(benchmark::State& state)
{
    startup(state, "bare");
}
BENCHMARK(BM_startup_bare_window)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
