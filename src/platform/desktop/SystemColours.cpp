// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/SystemColours.h"

#include <QCoreApplication>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

void SystemColours::follow(QCoreApplication& app) {
#ifdef Q_OS_WIN
    static SystemColours filter;
    app.installNativeEventFilter(&filter);
#else
    Q_UNUSED(app);
#endif
}

bool SystemColours::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    Q_UNUSED(eventType);
#ifdef Q_OS_WIN
    // Every top-level window of the program hears the broadcast. Told as Qt's own message,
    // after this one, it reads the colours again and re-colours the windows.
    const auto* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_SETTINGCHANGE && msg->wParam == SPI_SETHIGHCONTRAST)
        PostMessageW(msg->hwnd, WM_SYSCOLORCHANGE, 0, 0);
#else
    Q_UNUSED(message);
#endif
    return false;
}
