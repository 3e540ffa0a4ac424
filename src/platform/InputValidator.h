// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

// Keeps tabs and line breaks out of a single-line input, typed or pasted: they would
// split a record line.
class InputValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
