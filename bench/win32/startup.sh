#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Start-up to the first painted window and peak working set under Wine,
# planner and bare window taking turns, RUNS times each (10), in the tests'
# Wine prefix; prints every run, then the medians. Needs an X display (run
# it under xvfb-run -a). Usage: bench/win32/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-10}
build=build-windows
cmake --build --preset windows --target startup_probe_win32 >/dev/null
export WINEPREFIX=$PWD/$build/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
export XDG_CONFIG_HOME=$WINEPREFIX-xdg/config XDG_DATA_HOME=$WINEPREFIX-xdg/data
tests/win32/wine_prefix.sh "$WINEPREFIX"
wineserver -p 60 || true # one server for all runs (gone 60 s after), as on Windows
wine "$build/bench/win32/startup_probe_win32.exe" bare >/dev/null # warm-up, not counted
out=$(mktemp)
for ((i = 0; i < runs; ++i)); do
    for mode in planner bare; do
        wine "$build/bench/win32/startup_probe_win32.exe" $mode | tr -d '\r' | tee -a "$out"
    done
done
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
for mode in planner bare; do
    echo "$mode: median $(awk -v m=$mode '$1 == m {print $2}' "$out" | median) ms," \
        "peak working set $(awk -v m=$mode '$1 == m {print $4}' "$out" | median) kB," \
        "main reached after $(awk -v m=$mode '$1 == m {print $8}' "$out" | median) ms"
done
rm -f "$out"
