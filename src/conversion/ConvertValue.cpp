// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion/ConvertValue.h"

#include "platform/forms/RuntimeError.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

struct Conversion {
    const char* caption;
    double factor;
    const char* unit;
};

// The factors are the published constants, not reciprocals of one another: MM -> INCH
// really is 0.03937, while CM -> INCH carries seven digits. Two captions end in a blank.
constexpr std::array<Conversion, ConvertValue::kCount> kTable{{
    {"MIL -> INCH ", 0.001, "Inch"},
    {"MIL -> CM", 0.00254, "cm"},
    {"MIL -> MM", 0.0254, "mm"},
    {"MM -> INCH ", 0.03937, "inch"},
    {"MM -> CM", 0.1, "cm"},
    {"MM -> MIL", 39.37008, "mil"},
    {"CM -> INCH", 0.3937008, "inch"},
    {"CM -> MM", 10, "mm"},
    {"CM -> MIL", 393.7008, "mil"},
    {"INCH -> MIL", 1000, "mil"},
    {"INCH -> CM", 2.54, "cm"},
    {"INCH -> MM", 25.4, "mm"},
}};

const Conversion* row(std::uint8_t index) {
    if (index < 1 || index > ConvertValue::kCount)
        return nullptr;
    return &kTable[index - 1];
}

} // namespace

float ConvertValue::ConvertByIndex(float value, std::uint8_t index) {
    // An infinite value means the typed number did not fit a float: that is the
    // overflow, whether or not a conversion has been chosen.
    if (std::isinf(value))
        throw RuntimeError(RuntimeError::Kind::Overflow,
                           QT_TRANSLATE_NOOP("RuntimeError",
                                             "Overflow: the number is too large. Lentaro takes "
                                             "values up to about 3.4 x 10^38."));
    const Conversion* conversion = row(index);
    if (!conversion)
        throw RuntimeError(RuntimeError::Kind::NoConversionChosen,
                           QT_TRANSLATE_NOOP("RuntimeError", "Choose a conversion first."));
    return toSingle(static_cast<double>(value) * conversion->factor);
}

QString ConvertValue::UnitByIndex(std::uint8_t index) {
    const Conversion* conversion = row(index);
    return conversion ? QString::fromLatin1(conversion->unit) : QString();
}

QString ConvertValue::CaptionByIndex(std::uint8_t index) {
    const Conversion* conversion = row(index);
    return conversion ? QString::fromLatin1(conversion->caption) : QString();
}

float ConvertValue::toSingle(double value) {
    // Halfway between the largest float and the next power of two: from there on,
    // rounding to nearest gives infinity. Casting such a double is undefined, so the
    // infinity is made here.
    constexpr double overflowAt = 0x1.ffffffp127;
    if (std::isnan(value))
        return std::numeric_limits<float>::quiet_NaN();
    if (std::fabs(value) >= overflowAt)
        return value > 0 ? std::numeric_limits<float>::infinity()
                         : -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}
