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

// Columns, each of its type in order: columns<int, QString>({"index", "text"}).
template <typename... T> void columns(const std::array<const char*, sizeof...(T)>& names) {
    int i = 0;
    (QTest::addColumn<T>(names[i++]), ...);
}
