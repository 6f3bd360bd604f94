#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The tests' Wine prefix, made once.
# - Its windows are not left to a window manager: under Xvfb there is none,
#   and Wine would wait two seconds for one at every window it closes.
# - No menu entries or file associations on the Linux desktop
#   (winemenubuilder stays off).
# - No crash debugger: a program that crashes ends, and its test fails at
#   once. Wine's own (winedbg) can hang when the crash came from a lost
#   connection to Wine's server. "false" is no program, so none starts.
# Usage: wine_prefix.sh PREFIX
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
export XDG_CONFIG_HOME=$WINEPREFIX-xdg/config XDG_DATA_HOME=$WINEPREFIX-xdg/data
made() {
    [ -f "$WINEPREFIX/system.reg" ] && grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" &&
        grep -q '"Debugger"="false"' "$WINEPREFIX/system.reg"
}
made && exit 0
wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /d '' /f >/dev/null
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d false /f >/dev/null
wineserver -w
made
