// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Windows tests' one helper: every check is counted, a failed one says
// what it was about with both values, and report() prints "N passed, N
// failed" and gives the exit code (non-zero on any failure).
#pragma once

#include <iostream>
#include <string>

namespace check {

inline int passed = 0;
inline int failed = 0;

template <class Got, class Want>
bool equal(const Got& got, const Want& want, const std::string& what)
{
    if (got == want) {
        ++passed;
        return true;
    }
    ++failed;
    std::cout << "FAIL " << what << ": got " << got << ", want " << want << std::endl;
    return false;
}

inline bool that(bool ok, const std::string& what)
{
    return check::equal(ok, true, what);
}

inline int report()
{
    std::cout << passed << " passed, " << failed << " failed" << std::endl;
    return failed == 0 && passed > 0 ? 0 : 1;
}

} // namespace check
