// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>

class QCoreApplication;

// Follows High Contrast turned on or off while the program runs. Qt reads Windows' colours
// again when WM_SYSCOLORCHANGE says they changed, but Windows announces High Contrast with
// WM_SETTINGCHANGE, which Qt leaves alone; on that, the colours are read again too.
// Elsewhere the theme's changes reach Qt by its own means, and this does nothing.
class SystemColours : public QAbstractNativeEventFilter {
public:
    static void follow(QCoreApplication& app);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
};
