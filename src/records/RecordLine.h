// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One line of the record: number, tab, input, tab, result.
class RecordLine {
public:
    static QString build(int number, const QString& input, const QString& result);

    // A tab or line break inside a field would add fields or split the line, so such
    // characters are written as blanks.
    static QString field(QString text);
};
