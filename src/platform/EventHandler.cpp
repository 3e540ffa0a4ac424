// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EventHandler.h"

#include "platform/MessageBox.h"
#include "platform/RuntimeError.h"

void EventHandler::run(QWidget* owner, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const RuntimeError& error) {
        MessageBox::ShowMessage(owner, error.message(), QStringLiteral("Lentaro"),
                                MessageStyle::Exclamation);
    }
}
