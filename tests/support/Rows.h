// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>
#include <initializer_list>
#include <utility>

// A data-driven test's cases as a table of aggregates, one line per case, the
// row's name first. The test function takes its case with QFETCH(Row, row);
// QtTest still runs and reports every row on its own.
template<typename Row> void addRows(std::initializer_list<Row> rows)
{
    QTest::addColumn<Row>("row");
    for (const Row &row : rows)
        QTest::newRow(row.name) << row;
}

// A single column of plain values, each row a name and its value.
template<typename Value>
void addRows(const char *column, std::initializer_list<std::pair<const char *, Value>> rows)
{
    QTest::addColumn<Value>(column);
    for (const auto &[name, value] : rows)
        QTest::newRow(name) << value;
}
