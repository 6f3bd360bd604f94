#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# CPack makes a .deb in section hamradio whose dependencies shlibdeps
# computed, holding the program, its desktop files, manual page, changelog
# and copyright, and lintian finds no error or warning in it.
# Usage: check_deb.sh BUILD_DIR SCRATCH_DIR APP_ID VERSION
set -euo pipefail
build=$1 scratch=$2 id=$3 version=$4
rm -rf "$scratch" && mkdir -p "$scratch/root"
cpack --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null 2>&1
deb=$(ls "$scratch"/dish-planner_"$version"_*.deb)
dpkg-deb -x "$deb" "$scratch/root"
fail=0
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Section)" = hamradio ] || { echo "section: $(field Section)"; fail=1; }
[ "$(field Version)" = "$version" ] || { echo "version: $(field Version)"; fail=1; }
for dep in libqt6widgets6 libqt6gui6 libqt6printsupport6 libqt6core6 libc6 qt6-qpa-plugins; do
    field Depends | grep -q "$dep" || { echo "no dependency on $dep: $(field Depends)"; fail=1; }
done
for f in usr/bin/dish-planner usr/share/applications/$id.desktop \
    usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/256x256/apps/$id.png \
    usr/share/man/man1/dish-planner.1.gz usr/share/doc/dish-planner/changelog.gz \
    usr/share/doc/dish-planner/copyright; do
    [ -f "$scratch/root/$f" ] || { echo "not in the package: $f"; fail=1; }
done
lintian --fail-on error,warning "$deb" || fail=1
exit $fail
