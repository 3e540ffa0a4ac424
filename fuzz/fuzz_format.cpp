// SPDX-License-Identifier: GPL-3.0-or-later
// Number to text: every float gives the promised shape, and a finite value whose
// digits fit fifteen places reads back as itself.
#include "FuzzCheck.h"
#include "conversion/ConvertValue.h"
#include "platform/text/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size != sizeof(float))
        return 0;
    float value;
    std::memcpy(&value, data, sizeof value);
    const QString text = NumberText::format(value);
    if (std::isnan(value))
        return 0;
    if (std::isinf(value)) {
        FUZZ_CHECK(text == (value > 0 ? QLatin1String("Infinity") : QLatin1String("-Infinity")),
                   text);
        return 0;
    }
    FUZZ_CHECK(isResultText(text), text);
    if (std::fabs(value) >= 1e-6f) {
        const float back = ConvertValue::toSingle(NumberText::val(text));
        FUZZ_CHECK(back == value, text);
    }
    return 0;
}
