#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The JavaScript that git tracks is as the one formatter, Prettier as
# tools/format pins it with the project's .prettierrc.json, writes it;
# `tools/format/node_modules/.bin/prettier --write FILE` mends a file.
# Usage: check_format.sh SOURCE_FOLDER
set -euo pipefail
cd "$1"
mapfile -t files < <(git ls-files '*.js' '*.mjs')
tools/format/node_modules/.bin/prettier --check "${files[@]}"
