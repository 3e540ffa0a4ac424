// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <cstdint>

class QWidget;

// Colours as the forms give them: 0x00BBGGRR, or a system colour by its index when the
// top bit is set.
class FormColor {
public:
    static QColor of(std::uint32_t bgr);
    // A control's back colour: its background is filled with it.
    static void setBack(QWidget* widget, std::uint32_t bgr);
    // A control's fore colour: the colour of its text, which a theme then leaves alone.
    static void setFore(QWidget* widget, std::uint32_t bgr);
};
