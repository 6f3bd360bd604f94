#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The portable zip: one folder holding the program, its licence (the GPL,
# version 3) and the readme. Usage: check_zip.sh ZIP SCRATCH_DIR
set -euo pipefail
zip=$1 scratch=$2
rm -rf "$scratch" && mkdir -p "$scratch"
(cd "$scratch" && cmake -E tar xf "$zip")
folder="$scratch/$(basename "$zip" .zip)"
fail=0
for f in dish-planner.exe LICENCE.txt README.txt; do
    [ -s "$folder/$f" ] || { echo "missing from the zip: $f"; fail=1; }
done
grep -q 'GNU GENERAL PUBLIC LICENSE' "$folder/LICENCE.txt" && grep -q 'Version 3' "$folder/LICENCE.txt" ||
    { echo "the licence is not the GPL version 3"; fail=1; }
grep -q '^# Parabolic dish planner' "$folder/README.txt" || { echo "the readme is not ours"; fail=1; }
[ "$(find "$scratch" -type f | wc -l)" -eq 3 ] || { echo "more in the zip than the three files"; fail=1; }
exit $fail
