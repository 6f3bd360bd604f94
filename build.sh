#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The planner's one entry point for people and CI, on Debian 12.
#   ./build.sh run    install what is missing, build, open the planner
#   ./build.sh test   install what is missing, build, run every test that
#                     needs no screen reader: the core's, the Qt window's,
#                     the packaging checks and the JavaScript's format
# and the further checks that CI runs too:
#   ./build.sh sanitize   every test again under AddressSanitizer and UBSan,
#                         with libstdc++'s bounds checks
#   ./build.sh fuzz       each libFuzzer target for FUZZ_SECONDS (30) seconds
#   ./build.sh bench      the benchmarks (not part of any test run)
#   ./build.sh orca       on a virtual desktop: what Orca speaks of the planner
#                         (tests/orca), and that the planner writes nothing
# and the Windows program, cross-built with MinGW-w64 and tested under Wine:
#   ./build.sh windows    build, run its tests on a virtual display, and
#                         package it (build-windows/*.zip and *-setup.exe)
# and the planner in the browser, built with Emscripten:
#   ./build.sh web        build the site (build-web/site/ and its zip), run
#                         its tests under Node, in Chromium, Firefox and
#                         WebKit, and with Orca
# Both are idempotent: a second run installs nothing and rebuilds only what
# changed. Under CI (CI set), compiler warnings are errors.
set -euo pipefail
cd "$(dirname "$0")"

# Every build's tests take doctest and nlohmann/json, header-only.
test_libraries=(doctest-dev nlohmann-json3-dev)
packages=(cmake g++ make qt6-base-dev locales-all fonts-liberation2 file nodejs poppler-utils
    binutils-mingw-w64-x86-64 desktop-file-utils appstream dpkg-dev lintian reuse man-db
    "${test_libraries[@]}")

# What reads the planner aloud on a virtual desktop, for the Orca checks.
orca_packages=(orca speech-dispatcher at-spi2-core xvfb xauth xdotool dbus-x11 bc)

# The Windows build needs none of Qt.
windows_packages=(cmake make g++-mingw-w64-x86-64-posix wine wine64 nsis xvfb xauth zip
    ghostscript nodejs poppler-utils "${test_libraries[@]}")
# Nor does the browser's; its test tools come from the npm registry, pinned.
web_packages=(cmake make emscripten chromium python3 firefox-esr webkit2gtk-driver poppler-utils
    "${orca_packages[@]}" "${test_libraries[@]}")

usage() {
    echo "usage: ./build.sh run | test | sanitize | fuzz | bench | orca | windows | web" >&2
    exit 2
}

install_missing() {
    install_these "${packages[@]}" "$@"
}

install_these() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing from Debian: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# build PRESET [cmake --build arguments...]
build() {
    local preset=$1
    shift
    cmake --preset "$preset" -DCMAKE_COMPILE_WARNING_AS_ERROR="${CI:+ON}" >/dev/null
    cmake --build --preset "$preset" "$@"
}

fuzz() {
    local target seconds=${FUZZ_SECONDS:-30}
    for target in val text_form arith forms; do
        mkdir -p "build-fuzz/corpus/$target"
        echo "fuzz_$target for $seconds s"
        "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="build-fuzz/fuzz_$target-" \
            "build-fuzz/corpus/$target" "fuzz/corpus/$target" 2>"build-fuzz/fuzz_$target.log" ||
            { tail -40 "build-fuzz/fuzz_$target.log"; return 1; }
        grep -E 'stat::number_of_executed_units|stat::new_units_added' "build-fuzz/fuzz_$target.log"
    done
}

# Tools from the npm registry as a folder's package-lock.json pins them,
# installed again only when the lock has changed: the JavaScript's
# formatter (tools/format), the browser tests' tools (tests/web). No
# browser is downloaded: the tests drive Debian's Chromium, Firefox and
# WebKit.
npm_tools() { # folder
    command -v node >/dev/null && command -v npm >/dev/null || install_these nodejs npm
    local dir=$1
    cmp -s "$dir/package-lock.json" "$dir/node_modules/.planner-lock" 2>/dev/null && return 0
    echo "Installing the tools of $dir (npm ci)"
    (cd "$dir" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
    cp "$dir/package-lock.json" "$dir/node_modules/.planner-lock"
}

[ $# -eq 1 ] || usage
case "$1" in
run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display to open the planner on (DISPLAY and WAYLAND_DISPLAY are unset);" \
            "run it under a virtual one with: xvfb-run -a ./build.sh run" \
            "(xvfb-run comes with: apt-get install xvfb xauth)" >&2
        exit 1
    fi
    install_missing
    build default --target dish-planner
    exec build/dish-planner
    ;;
test)
    install_missing
    npm_tools tools/format
    build default
    ctest --preset default
    ;;
sanitize)
    install_missing
    npm_tools tools/format
    build sanitize
    ctest --preset sanitize
    ;;
fuzz)
    install_missing clang libclang-rt-14-dev
    build fuzz
    fuzz
    ;;
orca)
    install_missing "${orca_packages[@]}"
    build default --target dish-planner
    ctest --preset orca
    ;;
bench)
    install_missing libbenchmark-dev
    build default --target benchmarks
    build/bench/run-benchmarks
    ;;
windows)
    install_these "${windows_packages[@]}"
    build windows
    # Wine's windows need an X display: a virtual one, whatever DISPLAY says.
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" ctest --preset windows
    ls -l build-windows/dish-planner-*-win64.zip build-windows/dish-planner-*-setup.exe
    ;;
web)
    install_these "${web_packages[@]}"
    npm_tools tests/web
    build web
    ctest --preset web
    ls -l build-web/site build-web/dish-planner-*-web.zip
    ;;
*) usage ;;
esac
