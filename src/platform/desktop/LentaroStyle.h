// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

class QApplication;

// The look the forms were drawn for: option buttons with a 13-pixel circle and a
// narrow gap, so that captions fit the widths the forms give them; and the Thai face
// as the default font.
class LentaroStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    // The group boxes' etched frame, drawn rather than taken from a picture, and no
    // icon for the menu bar's overflow button: each would load an image plugin at start.
    // On a back colour the forms fix, an option's circle and focus mark are drawn as on
    // the light desktop those colours were chosen for, whatever the theme.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    static void install(QApplication& app);
};
