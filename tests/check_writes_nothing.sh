#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The planner writes nothing: opened on an X display in a session with no
# D-Bus session bus (a bare X login, a remote one), as a user with an empty
# home, it leaves that home and its runtime folder empty, and starts no bus
# daemon that would outlive it. Without care, the screen-reader support
# would make libdbus start one and record it under ~/.dbus.
# Usage: xvfb-run -a check_writes_nothing.sh PLANNER SCRATCH_DIR
set -uo pipefail
planner=$1 scratch=$2
rm -rf "$scratch" && mkdir -p "$scratch/home" "$scratch/run" && chmod 700 "$scratch/run"
export HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/run
unset DBUS_SESSION_BUS_ADDRESS XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME QT_QPA_PLATFORM
"$planner" &
pid=$!
timeout 20 xdotool search --sync --onlyvisible --name 'Parabolic dish planner' >/dev/null ||
    { echo "failed: no window within 20 s"; kill $pid; exit 1; }
sleep 1 # what it does right after showing its window
kill $pid
wait $pid 2>/dev/null
written=$(find "$scratch/home" "$scratch/run" -mindepth 1)
# A bus daemon started for it says so in its file under ~/.dbus: end it.
for f in "$scratch"/home/.dbus/session-bus/*; do
    [ -f "$f" ] && (. "$f" && kill "$DBUS_SESSION_BUS_PID")
done
[ -z "$written" ] || { echo "failed: the planner wrote:"; echo "$written"; exit 1; }
echo "the planner wrote nothing"
