#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` puts every file in its place; the desktop entry and the
# AppStream metainfo validate, and the manual page renders without a warning.
# Usage: check_install.sh BUILD_DIR SCRATCH_DIR APP_ID
set -euo pipefail
build=$1 root=$2/root id=$3
rm -rf "$root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
fail=0
icons=$root/usr/share/icons/hicolor
for f in bin/dish-planner share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/man/man1/dish-planner.1.gz; do
    [ -f "$root/usr/$f" ] || { echo "not installed: $f"; fail=1; }
done
[ -x "$root/usr/bin/dish-planner" ] || { echo "not executable"; fail=1; }
for size in 16 32 48 64 128 256; do
    file "$icons/${size}x$size/apps/$id.png" | grep -q "$size x $size" ||
        { echo "icon ${size}x$size is missing or the wrong size"; fail=1; }
done
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail=1
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/$id.metainfo.xml" |
    grep -E '^[EW]:' && fail=1
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/dish-planner.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "man page: $warnings"; fail=1; }
exit $fail
