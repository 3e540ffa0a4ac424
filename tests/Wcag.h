// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <algorithm>
#include <cmath>

// The tests' own WCAG 2 contrast ratio, worked out apart from the program's, so that a
// fault in the program's luminance or ratio cannot agree with itself.
inline double wcag(QRgb a, QRgb b) {
    const auto light = [](QRgb c) {
        double sum = 0;
        for (const auto& [weight, channel] :
             {std::pair{0.2126, qRed(c)}, {0.7152, qGreen(c)}, {0.0722, qBlue(c)}}) {
            const double s = channel / 255.0;
            sum += weight * (s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4));
        }
        return sum + 0.05;
    };
    return std::max(light(a), light(b)) / std::min(light(a), light(b));
}
