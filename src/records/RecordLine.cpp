// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/RecordLine.h"

QString RecordLine::build(int number, const QString& input, const QString& result) {
    const QChar tab(9);
    return QString::number(number) + tab + field(input) + tab + field(result);
}

QString RecordLine::field(QString text) {
    for (QChar& ch : text) {
        if (ch == u'\t' || ch == u'\r' || ch == u'\n' || ch == QChar::LineSeparator ||
            ch == QChar::ParagraphSeparator)
            ch = u' ';
    }
    return text;
}
