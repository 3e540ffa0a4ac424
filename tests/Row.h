// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>
#include <array>

// One row of a data table: QTest::newRow(name) << values..., in one call.
template <typename... Values> void row(const char* name, Values... values) {
    (QTest::newRow(name) << ... << values);
}

// Values of one type from the row, in order: auto [a, b] = fetch<QString>("a", "b").
template <typename T, typename... Names> auto fetch(Names... names) {
    return std::array<T, sizeof...(names)>{
        *static_cast<T*>(QTest::qData(names, qMetaTypeId<T>()))...};
}

// Columns of one type, in order.
template <typename T> void columns(std::initializer_list<const char*> names) {
    for (const char* name : names)
        QTest::addColumn<T>(name);
}
