// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/LentaroStyle.h"

#include "platform/desktop/LentaroFonts.h"

#include <QApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

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

void LentaroStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
#ifndef Q_OS_WIN
    // Fusion's frame picture, in its place: below a title, or near the top without one.
    if (element == PE_FrameGroupBox) {
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        const int top =
            box && box->title().isEmpty()
                ? 3
                : std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                      3;
        qDrawShadeRect(painter, option->rect.adjusted(0, top, 0, 0), option->palette, true, 1);
        return;
    }
#endif
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QIcon LentaroStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return {};
    return QProxyStyle::standardIcon(icon, option, widget);
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
    app.setFont(LentaroFonts::thai(8));
}
