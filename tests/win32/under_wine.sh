#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs one Windows program under Wine, in a Wine session of its own. Wine's
# server lingers a few seconds after its last program before it exits; a
# program started in that moment can lose its connection and crash, so each
# test first waits for the previous session to end.
# Usage: under_wine.sh PROGRAM.exe [ARGUMENT...]   (WINEPREFIX set)
set -euo pipefail
wineserver -w
exec wine "$@"
