// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

// The rules of a single-line input of at most kLength characters, counted in UTF-16 units
// as a Windows edit box counts them. Tabs are kept out, as they would split a record line.
// A paste keeps its first line only, as a single-line box on Windows does, and one that
// would not fit is refused whole, rather than cut into another number or through a
// character; typing simply stops at the limit. One validator serves one box: it
// remembers the text it last accepted, to tell what an edit put in.
class InputValidator : public QValidator {
    Q_OBJECT
public:
    static constexpr int kLength = 12;

    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;

signals:
    // A paste was refused for being longer than kLength.
    void pasteTooLong() const;

private:
    mutable QString m_last; // the text as last accepted
};
