#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The installer in a scratch Wine prefix: a silent install puts the files,
# the Start menu entry and the installed-programs entry (version, icon) in
# place; the installed program opens its window and ends when asked to
# close it; the silent uninstall takes all of it away again. Judged by the
# files and the registry file Wine writes, not by the installer's exit codes
# (Wine's are not telling).
# Usage: check_installer.sh SETUP.exe SCRATCH_PREFIX VERSION
set -uo pipefail
setup=$1 version=$3
# No menu entries on the Linux desktop for what the installer puts in the
# Start menu: winemenubuilder stays off.
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
export XDG_CONFIG_HOME=$WINEPREFIX-xdg/config XDG_DATA_HOME=$WINEPREFIX-xdg/data
export KEY='[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Dish Planner]'
rm -rf "$WINEPREFIX"
dir="$WINEPREFIX/drive_c/DishPlanner"
fail=0
expect() { # WHAT COMMAND...
    local what=$1
    shift
    "$@" || { echo "failed: $what"; fail=1; }
}
entry() { awk 'index($0, ENVIRON["KEY"]) == 1 {on = 1; next} /^\[/ {on = 0} on' "$WINEPREFIX/system.reg"; }
menu() { find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Dish Planner/Dish Planner.lnk'; }

# No crash debugger (see wine_prefix.sh): a crash fails the check at once.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d false /f >/dev/null
wine "$setup" /S '/D=C:\DishPlanner'
wineserver -w
for f in dish-planner.exe LICENCE.txt README.txt Uninstall.exe; do expect "installs $f" [ -s "$dir/$f" ]; done
expect "Start menu entry" [ -n "$(menu)" ]
expect "shows version $version" grep -qxF "\"DisplayVersion\"=\"$version\"" <(entry)
expect "shows the program's icon" grep -qx '"DisplayIcon"="C:\\\\DishPlanner\\\\dish-planner.exe"' <(entry)

# taskkill without /F posts WM_CLOSE to the program's top-level windows, as
# the frame's close box would; until its window is there, that does nothing.
wine 'C:\DishPlanner\dish-planner.exe' &
program=$!
for ((i = 0; i < 30; ++i)); do
    kill -0 $program 2>/dev/null || break
    wine taskkill /IM dish-planner.exe >/dev/null 2>&1
    sleep 1
done
kill -0 $program 2>/dev/null && kill $program
expect "the program closes" wait $program

wine 'C:\DishPlanner\Uninstall.exe' /S
wineserver -w
expect "removes its folder" [ ! -e "$dir" ]
expect "removes the Start menu entry" [ -z "$(menu)" ]
expect "removes the uninstall key" [ -z "$(grep -F "$KEY" "$WINEPREFIX/system.reg")" ]
wineserver -k 2>/dev/null
exit $fail
