// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdio>
#include <cstdlib>

// Stops the fuzzer with a message when an invariant breaks.
#define FUZZ_CHECK(condition, text)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "invariant broken: %s (%s)\n", #condition,                        \
                         qPrintable(QString(text)));                                               \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// The shape of every finite result: -?[0-9]+(\.[0-9]{1,15})?
inline bool isResultText(const QString& text) {
    qsizetype i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype wholeStart = i;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 0x80)
        ++i;
    if (i == wholeStart)
        return false;
    if (i == text.size())
        return true;
    if (text[i] != QLatin1Char('.'))
        return false;
    const qsizetype fractionStart = ++i;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 0x80)
        ++i;
    const qsizetype places = i - fractionStart;
    return i == text.size() && places >= 1 && places <= 15;
}
