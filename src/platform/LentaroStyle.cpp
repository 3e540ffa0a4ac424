// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LentaroStyle.h"

#include "platform/LentaroFonts.h"

#include <QApplication>
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
    QApplication::setStyle(new LentaroStyle(QStyleFactory::create(base)));
    app.setFont(LentaroFonts::thai(8));
}
