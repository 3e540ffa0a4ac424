// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

class QLineEdit;

// The rules of a single-line input of at most kLength characters, counted in UTF-16 units
// as a Windows edit box counts them. Tabs are kept out, as they would split a record line.
// A paste keeps its first line only, as a single-line box on Windows does, and one that
// would not fit is refused whole, rather than cut into another number or through a
// character; typing simply stops at the limit. One validator serves one box: it
// remembers the text it last accepted, to tell what an edit put in. Text set on the box
// from outside its editing, as assistive technology sets it, keeps the same rules.
class InputValidator : public QValidator {
    Q_OBJECT
public:
    static constexpr int kLength = 12;

    // Becomes the box's validator and follows every change of its text.
    explicit InputValidator(QLineEdit* box);
    State validate(QString& input, int& pos) const override;

signals:
    // A paste was refused for being longer than kLength.
    void pasteTooLong() const;

private:
    mutable QString m_last; // the text as last accepted
};
