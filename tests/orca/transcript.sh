# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the Orca checks share, sourced with $transcript set to a transcript
# that orca-harness.sh wrote: the words spoken in a step, and checks on
# them that note each miss in $fail.
fail=0

# The words spoken in step N, on one line.
said() { awk -v n="$1" '/^== STEP /{on = ($3 == n)} on && /^  > /{sub(/^  > */, ""); printf "%s ", $0}' "$transcript"; }
expect() { # step phrase what
    said "$1" | grep -qF -- "$2" || { echo "step $1 ($3): missing \"$2\""; fail=1; }
}
absent() { # step phrase what
    ! said "$1" | grep -qF -- "$2" || { echo "step $1 ($3): should not say \"$2\""; fail=1; }
}
# The end of a check: no step may have stayed silent.
verdict() { # what
    grep -q '!! TIMEOUT' "$transcript" && { echo "a step spoke nothing"; fail=1; }
    [ $fail = 0 ] && echo "orca: every step of $1 spoke as expected"
    return $fail
}
