// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The worked states as a Qt Test data table, one row a state by its name.
#pragma once

#include <QtTest>

#include "worked_states.h"

namespace worked {

inline void addRows()
{
    QTest::addColumn<int>("state");
    for (std::size_t i = 0; i < states.size(); ++i)
        QTest::newRow(states[i].name.data()) << int(i);
}

// The state of the row under test.
inline const State& current()
{
    QFETCH(int, state);
    return states.at(state);
}

inline QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace worked
