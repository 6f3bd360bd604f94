#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows resource script compiles, and the result holds the version
# block and the icon. Usage: check_windres.sh CONFIGURED_RC SCRATCH_DIR VERSION
set -euo pipefail
rc=$1 scratch=$2 version=$3
mkdir -p "$scratch"
x86_64-w64-mingw32-windres --preprocessor=cpp -i "$rc" -O res -o "$scratch/planner.res"
x86_64-w64-mingw32-windres -i "$scratch/planner.res" -J res -O rc >"$scratch/decompiled.rc"
fail=0
expect() {
    grep -qF -- "$1" "$scratch/decompiled.rc" || { echo "missing: $1"; fail=1; }
}
expect 'BLOCK "040904B0"'
expect "VALUE \"FileVersion\", \"$version\""
expect "VALUE \"ProductVersion\", \"$version\""
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'VALUE "Translation", 0x409, 1200'
expect '/* RT_GROUP_ICON */'
# Both images of the icon: 32 and 16 pixels, 16 colours, 4 bits a pixel.
expect '"\040\040\020\000", 1, 4,'
expect '"\020\020\020\000", 1, 4,'
exit $fail
