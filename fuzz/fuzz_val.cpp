// SPDX-License-Identifier: GPL-3.0-or-later
// Typed text to number: never NaN, never a fault, blanks of any kind never change the value,
// and digits read the same in any script.
#include "FuzzCheck.h"
#include "platform/text/NumberText.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = NumberText::val(text);
    FUZZ_CHECK(!std::isnan(value), text);
    QString spaced = text;
    spaced.replace(QLatin1Char('\t'), QLatin1Char(' ')).insert(0, QStringLiteral(" \u00a0\u2009"));
    FUZZ_CHECK(NumberText::val(spaced) == value, text);
    QString thai = text; // ASCII digits as Thai digits
    for (QChar& ch : thai) {
        if (ch >= u'0' && ch <= u'9')
            ch = QChar(0x0E50 + (ch.unicode() - u'0'));
    }
    FUZZ_CHECK(NumberText::val(thai) == value, text);
    return 0;
}
