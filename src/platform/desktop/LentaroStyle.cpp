// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/LentaroStyle.h"

#include "platform/desktop/LentaroFonts.h"
#include "platform/desktop/SystemColours.h"

#include <QApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {
// The light desktop the forms chose their fixed colours for: an option is a white disc in a
// dark ring, the chosen one with a black dot. The ring is dark enough to read at 3:1 on any
// light back colour, where anti-aliasing lightens it too; the theme's own colours would
// draw a dark theme's filled discs there, which on a light band read as chosen.
const QColor kRing(0x33, 0x33, 0x33);
const QColor kInside(Qt::white);
const QColor kPressed(0xd8, 0xd8, 0xd8);
const QColor kDot(Qt::black);

// A control whose back colour the forms fix, not the theme.
bool onFixedBack(const QWidget* widget) {
    return widget && widget->autoFillBackground() &&
           widget->palette().isBrushSet(QPalette::Active, widget->backgroundRole());
}

void drawOption(const QStyleOption* option, QPainter* painter) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    // A disc inside a disc: the ring a pixel wide all round, at its full colour where
    // a stroke of a pixel would fall between two.
    const QRectF disc(option->rect);
    painter->setBrush(kRing);
    painter->drawEllipse(disc);
    painter->setBrush(option->state & QStyle::State_Sunken ? kPressed : kInside);
    painter->drawEllipse(disc.adjusted(1, 1, -1, -1));
    if (option->state & QStyle::State_On) {
        const qreal radius = disc.width() * 0.2;
        painter->setBrush(kDot);
        painter->drawEllipse(disc.center(), radius, radius);
    }
    painter->restore();
}

// Windows' dotted focus rectangle, in the caption's colour, which reads on the back colour.
void drawFocus(const QStyleOption* option, QPainter* painter) {
    painter->save();
    QPen pen(option->palette.color(QPalette::WindowText), 1);
    pen.setDashPattern({1, 1});
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}
} // namespace

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
    if (element == PE_IndicatorRadioButton && onFixedBack(widget))
        return drawOption(option, painter);
    // Drawn where the base style draws one: once the keyboard has moved the focus, or
    // always where the desktop shows keyboard cues.
    if (element == PE_FrameFocusRect && onFixedBack(widget)) {
        if (option->state & State_KeyboardFocusChange ||
            !proxy()->styleHint(SH_UnderlineShortcut, option, widget))
            drawFocus(option, painter);
        return;
    }
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
    // And the desktop's colours, when they change while the program runs.
    SystemColours::follow(app);
}
