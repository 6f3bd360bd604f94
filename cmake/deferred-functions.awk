# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The functions for the module's second part (cmake/SplitModule.cmake):
# of those whose names match `pattern`, the ones that nothing left in the
# first part calls directly, and so on until none does; but for the
# part's doors (names that match `doors`), which the first part calls
# only once the second has come. The optimiser merges functions of the
# same code under one of their names, so a name alone does not say who
# calls a function. Reads the names, one a line as
# "index:name", then the direct calls, as Binaryen's --print-call-graph
# writes them ("caller" -> "callee"); writes the names, one a line.
# Example: awk -v pattern='^planner::form::|^Doors::' -v doors='^Doors::' \
#     -f deferred-functions.awk names.txt calls.dot
FNR == NR {
    if (match($0, /^[0-9]+:/)) {
        name = substr($0, RLENGTH + 1)
        if (name ~ pattern)
            deferred[name] = 1
    }
    next
}
/^  ".*" -> ".*"; \/\/ call$/ {
    line = substr($0, 4)
    cut = index(line, "\" -> \"")
    calls++
    caller[calls] = substr(line, 1, cut - 1)
    rest = substr(line, cut + 6)
    callee[calls] = substr(rest, 1, index(rest, "\"; // call") - 1)
}
END {
    do {
        kept = 0
        for (c = 1; c <= calls; c++)
            if ((callee[c] in deferred) && !(caller[c] in deferred) && callee[c] !~ doors) {
                delete deferred[callee[c]]
                kept++
            }
    } while (kept)
    for (name in deferred)
        print name
}
