#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The README and docs/ name only files and folders that exist: each link,
# and each path in inline code (a word with a slash; a module without its
# ending stands for its files), but for what a build makes (build*/). And
# the version is written only where project() sets it, in CMakeLists.txt.
# Usage: check_docs.sh SOURCE_FOLDER VERSION_TEXT VERSION
set -uo pipefail
cd "$1" || exit 2
fail=0
exists() { local p; for p in "$1" "$1".*; do [ -e "$p" ] && return 0; done; return 1; }
for doc in README.md docs/*.md; do
    # Inline code and link targets, outside fenced blocks.
    names=$(awk '/^```/ { fenced = !fenced; next } !fenced' "$doc" |
        grep -oE '`[^` ]+/[^` ]*`|\]\([^)#]+\)' | sed -E 's/^`|`$//g; s/^\]\(|\)$//g')
    for name in $names; do
        case $name in http*|build*|*:*|'~'*|/*|*'<'*|*'*'*) continue ;; esac
        [[ $name == *.md || $name == *.png ]] && [[ $doc == docs/* ]] && name=docs/$name
        exists "${name%/}" || { echo "$doc names $name, which is not here"; fail=1; }
    done
done
if git rev-parse --git-dir >/dev/null 2>&1; then
    pattern="\\b${2//./\\.}\\b|\\b${3//./\\.}\\b"
    git grep -nE "$pattern" -- . ':!CMakeLists.txt' ':!LICENSES' && { echo "the version, written above, belongs to project() alone"; fail=1; }
fi
exit $fail
