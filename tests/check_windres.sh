#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows resources hold the version block (what Explorer's Properties
# shows) and the icon group with its 32 and 16 pixel images; the program
# file holds them too, with the manifest that makes the window scale to
# each monitor and draw with the common controls 6. Given the resource
# script, it is compiled first; given the program file, its resources are
# read back as they are.
# Usage: check_windres.sh CONFIGURED_RC|PROGRAM.exe SCRATCH_DIR VERSION NUMERIC_VERSION
# Example: check_windres.sh build/app/planner.rc /tmp/windres VERSION_TEXT VERSION
set -euo pipefail
input=$1 scratch=$2 version=$3 numeric=${4//./, }
mkdir -p "$scratch"
decompiled=$scratch/$(basename "$input").rc
if [[ $input == *.exe ]]; then
    x86_64-w64-mingw32-windres -i "$input" -J coff -O rc >"$decompiled"
else
    x86_64-w64-mingw32-windres --preprocessor=cpp -i "$input" -O res -o "$scratch/planner.res"
    x86_64-w64-mingw32-windres -i "$scratch/planner.res" -J res -O rc >"$decompiled"
fi
fail=0
expect() {
    grep -qF -- "$1" "$decompiled" || { echo "missing: $1"; fail=1; }
}
expect 'BLOCK "040904B0"'
expect "VALUE \"FileVersion\", \"$version\""
expect "VALUE \"ProductVersion\", \"$version\""
expect "FILEVERSION $numeric"
expect "PRODUCTVERSION $numeric"
expect 'VALUE "Translation", 0x409, 1200'
expect '/* RT_GROUP_ICON */'
# Both images of the icon: 32 and 16 pixels, 16 colours, 4 bits a pixel;
# and each image there (RT_ICON 1 and 2).
expect '"\040\040\020\000", 1, 4,'
expect '"\020\020\020\000", 1, 4,'
expect '1 3 /* RT_ICON */'
expect '2 3 /* RT_ICON */'
if [[ $input == *.exe ]]; then
    expect 'PerMonitorV2'
    expect "version=\"\"$4\"\""
    expect 'name=""Microsoft.Windows.Common-Controls""'
fi
exit $fail
