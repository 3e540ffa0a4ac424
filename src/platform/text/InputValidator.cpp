// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/InputValidator.h"

#include <QLineEdit>
#include <algorithm>

namespace {
bool isBreak(QChar ch) {
    return ch == u'\r' || ch == u'\n' || ch == QChar::LineSeparator ||
           ch == QChar::ParagraphSeparator;
}
} // namespace

InputValidator::InputValidator(QLineEdit* box) : QValidator(box) {
    box->setValidator(this);
    // Text set on the box, as assistive technology sets it (dictation, switch access, a
    // reader's own editing), is validated too, but kept even when refused: refused, it
    // goes back to the text last accepted, as a refused paste does.
    connect(box, &QLineEdit::textChanged, this, [this, box](const QString& text) {
        if (text != m_last)
            box->setText(m_last);
    });
}

QValidator::State InputValidator::validate(QString& input, int& pos) const {
    // What was put in ends at the cursor, and what lies after the cursor is what the box
    // kept after it. Found from the cursor rather than by matching from both ends: a paste
    // that repeats its neighbours would otherwise be misplaced, and cut through a
    // character when its first line is kept.
    const qsizetype end = std::clamp<qsizetype>(pos, 0, input.size());
    const qsizetype keptBefore = m_last.size() - (input.size() - end);
    qsizetype start = 0;
    while (start < end && start < keptBefore && input[start] == m_last[start])
        ++start;
    QString added = input.mid(start, end - start);
    added.truncate(std::find_if(added.cbegin(), added.cend(), isBreak) - added.cbegin());
    added.remove(u'\t');
    const QString text = input.left(start) + added + input.mid(end);
    if (text.size() > kLength) {
        // More than one character at once is a paste (or a composed word), worth a word.
        if (added.toUcs4().size() > 1)
            emit pasteTooLong();
        return Invalid;
    }
    pos = static_cast<int>(start + added.size());
    input = text;
    m_last = text;
    return Acceptable;
}
