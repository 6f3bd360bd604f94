#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A Wine prefix for the tests, made once. Its windows are not left to a
# window manager: under Xvfb there is none, and Wine would wait two seconds
# for one at every window it closes. Nor does it put menu entries or file
# associations on the Linux desktop (winemenubuilder stays off).
# Usage: wine_prefix.sh PREFIX
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
export XDG_CONFIG_HOME=$WINEPREFIX-xdg/config XDG_DATA_HOME=$WINEPREFIX-xdg/data
[ -f "$WINEPREFIX/user.reg" ] && grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" && exit 0
wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /d '' /f >/dev/null
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
wineserver -w
grep -q '"Managed"="N"' "$WINEPREFIX/user.reg"
