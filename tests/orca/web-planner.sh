#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The web planner as a blind user opens it: the built site served on
# 127.0.0.1, shown in Chromium as an app window, its accessibility on.
# Started by orca-harness.sh, which ends it (the server is its child).
# Usage: web-planner.sh SITE_FOLDER WIDTH,HEIGHT
set -euo pipefail
site=$1 size=$2
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server --bind 127.0.0.1 --directory "$site" "$port" >/dev/null 2>&1 &
for _ in $(seq 50); do
    python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" 2>/dev/null && break
    sleep 0.1
done
profile=$(mktemp -d "${TMPDIR:-/tmp}/planner-chromium.XXXXXX")
exec chromium --force-renderer-accessibility --app="http://127.0.0.1:$port/" \
    --user-data-dir="$profile" --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --window-size="$size"
