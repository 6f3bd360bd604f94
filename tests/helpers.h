// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the Qt tests take from Qt Test: data tables from plain tables of rows.
#pragma once

#include <QtTest>

#include <iterator>
#include <string_view>

#include "worked_states.h"

// A data table from a plain table of rows: one column, the row's index, and
// each row named by its `name`. Example: with
//   const struct { const char* name; double x, rounded; } table[] = {...};
// x_data() calls rows::add(table), and x() reads `rows::current(table).x`.
namespace rows {

template <class Table> void add(const Table& table)
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < std::size(table); ++i)
        QTest::newRow(std::string_view(table[i].name).data()) << int(i);
}

// The row under test.
template <class Table> const auto& current(const Table& table)
{
    QFETCH(int, row);
    return table[std::size_t(row)];
}

inline QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace rows
