// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/MessageStyle.h"

#include <QString>

class QWidget;

// The one way the program shows a message box: modal, a single OK button, centred
// over its owner. A stand-in (StandIn) may answer it instead.
class MessageBox {
public:
    static void ShowMessage(QWidget* owner, const QString& text, const QString& title,
                            MessageStyle style);
};
