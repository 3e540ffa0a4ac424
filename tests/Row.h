// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>

// One row of a data table: QTest::newRow(name) << values..., in one call.
template <typename... Values> void row(const char* name, Values... values) {
    (QTest::newRow(name) << ... << values);
}

// Columns of one type, in order.
template <typename T> void columns(std::initializer_list<const char*> names) {
    for (const char* name : names)
        QTest::addColumn<T>(name);
}
