// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A push button that Enter presses when it has the focus, as on Windows, without being
// any window's default button.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString& text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
