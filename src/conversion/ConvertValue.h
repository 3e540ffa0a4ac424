// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

// The twelve conversions between inch, millimetre, centimetre and mil.
class ConvertValue {
public:
    static constexpr std::uint8_t kCount = 12;

    // value converted by the row of index (1 to 12), the product formed in double and
    // rounded to float. A product beyond the float range becomes an infinity of its
    // sign. Throws RuntimeError: Overflow for an infinite value (checked first), and
    // NoConversionChosen for an index outside 1 to 12.
    static float ConvertByIndex(float value, std::uint8_t index);

    // The unit shown beside the result; empty for an index outside 1 to 12.
    static QString UnitByIndex(std::uint8_t index);

    // The option button caption of a conversion; empty for an index outside 1 to 12.
    static QString CaptionByIndex(std::uint8_t index);

    // Rounds to the nearest float; beyond the float range, an infinity of the sign.
    static float toSingle(double value);
};
