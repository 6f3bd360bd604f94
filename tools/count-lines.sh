#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The tests' size against the product's: non-blank lines that are not only
# a // comment, in the C++ and JavaScript files git tracks; the tests are
# tests/, the product every folder but tests/, fuzz/, bench/ and
# node_modules/. Then the shell checks, counted alike but for # comments.
# Usage: tools/count-lines.sh   (from anywhere in the checkout)
set -euo pipefail
cd "$(git rev-parse --show-toplevel)"
count() { # files... -> lines
    [ $# -eq 0 ] && { echo 0; return; }
    cat "$@" | grep -cvE '^[[:space:]]*(//.*)?$' || true
}
code=$(git ls-files -- '*.cpp' '*.h' '*.hpp' '*.cc' '*.js' '*.mjs' '*.ts' | grep -v node_modules/)
tests=$(count $(grep '^tests/' <<<"$code"))
product=$(count $(grep -vE '^(tests|fuzz|bench)/' <<<"$code"))
shell=$(git ls-files -- 'tests/*.sh' | xargs cat | grep -cvE '^[[:space:]]*(#.*)?$' || true)
echo "tests $tests, product $product: $((100 * tests / product))%; shell checks $shell more"
