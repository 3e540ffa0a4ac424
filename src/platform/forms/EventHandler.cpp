// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/EventHandler.h"

#include "platform/forms/App.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/RuntimeError.h"

#include <QApplication>

bool EventHandler::blocked(const QWidget* owner) {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && owner && owner->window() != modal;
}

void EventHandler::run(QWidget* owner, const std::function<void()>& handler) {
    if (blocked(owner))
        return;
    try {
        handler();
    } catch (const RuntimeError& error) {
        MessageBox::ShowMessage(owner, error.message(), App::Title, MessageStyle::Exclamation);
    }
}
