// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/desktop/LentaroFonts.h"

#include <QRect>

// Window geometry as the forms were drawn: in twips, 15 to a pixel at 96 dots per inch
// and the standard text size. Bigger desktop text makes a form grow with its fonts, as a
// form grew with "large fonts".
class Twips {
public:
    static constexpr int kPerPixel = 15;

    static int px(int twips) {
        return static_cast<int>(twips * LentaroFonts::textScale() / kPerPixel + 0.5);
    }
    static QRect rect(int left, int top, int width, int height) {
        return {px(left), px(top), px(width), px(height)};
    }
    static QSize size(int width, int height) { return {px(width), px(height)}; }
};
