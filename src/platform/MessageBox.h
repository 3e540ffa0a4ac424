// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageStyle.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

// The one way the program shows a message box: modal, a single OK button, centred
// over its owner. Tests install an answerer so that no box waits for a person.
class MessageBox {
public:
    struct Shown {
        QString text;
        QString title;
        MessageStyle style;
        QPointer<QWidget> owner;
    };
    using Answerer = std::function<void(const Shown&)>;

    static void ShowMessage(QWidget* owner, const QString& text, const QString& title,
                            MessageStyle style);

    // While set, boxes are handed to the answerer instead of being shown.
    static void setAnswerer(Answerer answerer);
};
