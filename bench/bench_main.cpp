// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The benchmarks' entry: a Qt application on the offscreen platform, then
// Google Benchmark. Without arguments every benchmark runs 10 times and only
// the mean, median and spread are reported.
#include <cstdlib>
#include <vector>

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "window/qt/accessibility.h"

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir; // Qt wants one; the start-up probes inherit it
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    QApplication app(argc, argv);
    planner::installAccessibility(); // as the planner has it
    std::vector<char*> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=10";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    if (argc == 1) {
        args.push_back(repetitions);
        args.push_back(aggregates);
    }
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
