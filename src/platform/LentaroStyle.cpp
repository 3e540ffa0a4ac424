// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LentaroStyle.h"

#include "platform/LentaroFonts.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QStyleFactory>

int LentaroStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return 13;
    case PM_RadioButtonLabelSpacing:
        return 4;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

void LentaroStyle::install(QApplication& app) {
#ifdef Q_OS_WIN
    // On Windows the program looks as Windows programs do.
    const QString base = QStringLiteral("Windows");
#else
    const QString base = QStringLiteral("Fusion");
#endif
    // Some platform themes (qt6ct) hand over the desktop's font and style only once the
    // event loop runs; they are read, and the look the forms need put over them, after.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    QApplication::setStyle(new LentaroStyle(QStyleFactory::create(base)));
    // The desktop's font says how big the user wants text; the forms and their fonts
    // grow together by that much, in the face they were drawn for.
    LentaroFonts::followDesktop(QGuiApplication::font());
    Twips::setScale(LentaroFonts::textScale());
    app.setFont(LentaroFonts::thai(8));
}
