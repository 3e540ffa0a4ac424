// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InputValidator.h"

namespace {
bool isBreak(QChar ch) {
    return ch == u'\r' || ch == u'\n' || ch == QChar::LineSeparator ||
           ch == QChar::ParagraphSeparator;
}
} // namespace

QValidator::State InputValidator::validate(QString& input, int& pos) const {
    // What was put in: the text between what is unchanged before and after it.
    qsizetype before = 0;
    while (before < input.size() && before < m_last.size() && input[before] == m_last[before])
        ++before;
    qsizetype after = 0;
    while (after < input.size() - before && after < m_last.size() - before &&
           input[input.size() - 1 - after] == m_last[m_last.size() - 1 - after])
        ++after;
    QString added = input.mid(before, input.size() - before - after);
    const qsizetype lineEnd = std::find_if(added.begin(), added.end(), isBreak) - added.begin();
    added.truncate(lineEnd);
    added.remove(u'\t');
    const QString text = input.left(before) + added + input.right(after);
    if (text.size() > kLength) {
        // More than one character at once is a paste (or a composed word), worth a word.
        if (added.toUcs4().size() > 1)
            emit pasteTooLong();
        return Invalid;
    }
    pos = static_cast<int>(std::min<qsizetype>(before + added.size(), text.size()));
    input = text;
    m_last = text;
    return Acceptable;
}
