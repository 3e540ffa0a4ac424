// SPDX-License-Identifier: GPL-3.0-or-later
// Typed text to number: never NaN, never a fault, and blanks never change the value.
#include "FuzzCheck.h"
#include "platform/NumberText.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = NumberText::val(text);
    FUZZ_CHECK(!std::isnan(value), text);
    QString spaced = text;
    spaced.replace(QLatin1Char('\t'), QLatin1Char(' ')).insert(0, QLatin1Char(' '));
    const double again = NumberText::val(spaced);
    FUZZ_CHECK(again == value || (std::isnan(again) && std::isnan(value)), text);
    return 0;
}
