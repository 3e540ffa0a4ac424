// SPDX-License-Identifier: GPL-3.0-or-later
// Text through the whole Result command without a window. The first byte chooses the
// conversion; the rest, split at NUL, are the texts typed one after another. Every
// completed command adds one line of exactly three fields, numbered in turn; a failed
// one changes nothing.
#include "FuzzCheck.h"
#include "conversion/PlainResultItems.h"
#include "conversion/ResultCommand.h"
#include "platform/forms/RuntimeError.h"
#include "records/Mrec.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    int messages = 0;
    Mrec mrec([&](const QString&, const QString&, MessageStyle) { ++messages; });
    PlainResultItems items;
    items.convindex = data[0];
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    int recorded = 0;
    // Within the first 245 slots no warning is due, so the numbering is plain to check.
    for (const QByteArray& typed : rest.split('\0').mid(0, 245)) {
        const QString input = QString::fromUtf8(typed);
        items.setInputText(input);
        const QString result = items.resultCaption();
        const QString unit = items.unitCaption();
        try {
            ResultCommand::run(items, mrec);
        } catch (const RuntimeError&) {
            FUZZ_CHECK(items.inputText() == input && items.resultCaption() == result &&
                           items.unitCaption() == unit && mrec.lines().size() == recorded,
                       input);
            continue;
        }
        ++recorded;
        FUZZ_CHECK(items.inputText().isEmpty(), input);
        FUZZ_CHECK(isResultText(items.resultCaption()) ||
                       items.resultCaption().endsWith(QLatin1String("Infinity")),
                   items.resultCaption());
        const QStringList lines = mrec.lines();
        FUZZ_CHECK(lines.size() == recorded, input);
        const QStringList fields = lines.last().split(QLatin1Char('\t'));
        FUZZ_CHECK(fields.size() == 3, lines.last());
        FUZZ_CHECK(fields[0] == QString::number(recorded), lines.last());
        FUZZ_CHECK(fields[2] == items.resultCaption(), lines.last());
    }
    FUZZ_CHECK(messages == 0, QString::number(messages));
    return 0;
}
