// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>

// One row of a data table: QTest::newRow(name) << values..., in one call.
template <typename... Values> void row(const char* name, Values... values) {
    (QTest::newRow(name) << ... << values);
}
