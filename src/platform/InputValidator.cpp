// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InputValidator.h"

namespace {
bool isBreak(QChar ch) {
    return ch == u'\t' || ch == u'\r' || ch == u'\n' || ch == QChar::LineSeparator ||
           ch == QChar::ParagraphSeparator;
}
} // namespace

QValidator::State InputValidator::validate(QString& input, int& pos) const {
    qsizetype removedBeforeCursor = 0;
    for (qsizetype i = 0; i < input.size() && i < pos; ++i)
        removedBeforeCursor += isBreak(input[i]) ? 1 : 0;
    input.removeIf(isBreak);
    pos -= static_cast<int>(removedBeforeCursor);
    return Acceptable;
}
