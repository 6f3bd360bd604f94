#!/usr/bin/env bash
# The planner's one entry point for people and CI, on Debian 12.
#   ./build.sh run    install what is missing, build, open the planner
#   ./build.sh test   install what is missing, build, run every test
# Both are idempotent: a second run installs nothing and rebuilds only what
# changed. Under CI (CI set), compiler warnings are errors.
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ make qt6-base-dev locales-all fonts-liberation2 file
    binutils-mingw-w64-x86-64 desktop-file-utils appstream dpkg-dev)

usage() {
    echo "usage: ./build.sh run | test" >&2
    exit 2
}

install_missing() {
    local missing=() p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing from Debian: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

build() {
    cmake --preset default -DCMAKE_COMPILE_WARNING_AS_ERROR="${CI:+ON}" >/dev/null
    cmake --build --preset default "$@"
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
    build --target dish-planner
    exec build/dish-planner
    ;;
test)
    install_missing
    build
    ctest --preset default
    ;;
*) usage ;;
esac
