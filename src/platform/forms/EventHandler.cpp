// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/EventHandler.h"

#include "platform/forms/App.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/RuntimeError.h"

void EventHandler::run(QWidget* owner, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const RuntimeError& error) {
        MessageBox::ShowMessage(owner, error.message(), App::Title, MessageStyle::Exclamation);
    }
}
