// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <cmath>

// The tests' own WCAG 2 contrast ratio, worked out apart from the program's, so that a
// fault in the program's luminance or ratio cannot agree with itself.
inline double wcag(QRgb a, QRgb b) {
    const auto linear = [](int v) {
        return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4);
    };
    const auto light = [&](QRgb c) {
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c)) +
               0.05;
    };
    return std::max(light(a), light(b)) / std::min(light(a), light(b));
}
