// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the plain C++ tests share, under Linux, Wine and Node alike: checks
// that count, and that say where a failure is, what it was about, what came
// and what was wanted. Example: with check::about = "depth 2.3",
//   CHECK_EQ(caption("lblFlen"), "2.72");
// prints, should the caption be "2.73",
//   tests/tst_session.cpp:80: FAIL depth 2.3: caption("lblFlen"): got 2.73, want 2.72
// and check::that(got, want, "what it is") says so in its own words.
#pragma once

#include <iostream>
#include <sstream>
#include <string>

namespace check {

inline int passed = 0, failed = 0;
inline std::string about; // what is under test now: a row's name, say

template <class T> std::string shown(const T& v)
{
    std::ostringstream o;
    if constexpr (requires { o << v; })
        o << v;
    else
        o << int(v); // an enum's number
    return o.str();
}

template <class Got, class Want>
bool that(const Got& got, const Want& want, const std::string& what,
          const char* file = __builtin_FILE(), int line = __builtin_LINE())
{
    if (got == want)
        return ++passed, true;
    ++failed;
    std::cout << file << ":" << line << ": FAIL " << (about.empty() ? "" : about + ": ") << what
              << ": got " << shown(got) << ", want " << shown(want) << std::endl;
    return false;
}

// The test's end: its tally, and its exit code (0 when something was
// checked and nothing failed).
inline int summary()
{
    std::cout << passed << " passed, " << failed << " failed" << std::endl;
    return failed == 0 && passed > 0 ? 0 : 1;
}

} // namespace check

#define CHECK_EQ(got, want) check::that((got), (want), #got, __FILE__, __LINE__)
#define CHECK(condition) CHECK_EQ(bool(condition), true)
