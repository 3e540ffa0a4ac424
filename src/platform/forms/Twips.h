// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>
#include <cstdint>

// Window geometry and colours as the forms were drawn: twips (15 to a pixel at 96
// dots per inch and the standard text size) and colours as 0x00BBGGRR.
class Twips {
public:
    static constexpr int kPerPixel = 15;

    // Pixels per twip, relative to 1/15: above 1 when the desktop asks for bigger text,
    // as a form grew with "large fonts".
    static double scale() { return s_scale; }
    static void setScale(double scale) { s_scale = scale; }

    static int px(int twips) { return static_cast<int>(twips * s_scale / kPerPixel + 0.5); }
    static QRect rect(int left, int top, int width, int height) {
        return {px(left), px(top), px(width), px(height)};
    }
    static QSize size(int width, int height) { return {px(width), px(height)}; }
    // 0x00BBGGRR to a colour; a value with the top bit set names a system colour.
    static QColor color(std::uint32_t bgr);
    // A control's back colour: its background is filled with it, and text the forms give
    // no colour of their own stays readable on it.
    static void setBackColor(QWidget* widget, std::uint32_t bgr);
    // A control's fore colour: the colour of its text.
    static void setForeColor(QWidget* widget, std::uint32_t bgr);

private:
    static inline double s_scale = 1.0;
};
