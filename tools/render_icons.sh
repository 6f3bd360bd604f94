#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders resources/planner.svg to the desktop's large icon sizes,
# resources/planner-64.png, -128 and -256 (rsvg-convert, from librsvg2-bin).
# The small 16/32/48 images come from tools/make_icon.py, pixel by pixel.
set -euo pipefail
cd "$(dirname "$0")/../resources"
for size in 64 128 256; do
    rsvg-convert --width "$size" --height "$size" planner.svg --output "planner-$size.png"
done
