// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// The two text conversions of the result command: typed text to a number, and a
// number to its shown text. Both are locale-independent and never fail.
class NumberText {
public:
    // Reads the longest number at the start of the text. Blanks (tab and every Unicode
    // space: no-break, thin, ...) anywhere are skipped; an optional sign, digits with at
    // most one full stop and an optional exponent follow. A decimal digit of any script
    // reads as its digit; U+2212 and the full-width sign, point and E read as their ASCII
    // forms. Text that does not begin with a number reads as 0; a number beyond the double
    // range reads as an infinity of its sign. Never NaN.
    static double val(QStringView text);

    // Formats under the pattern "0.###############": the shortest digits that read back
    // as the same float, written positionally with at most 15 decimals, no trailing
    // zeros, a full stop as separator, "0" for any zero and "Infinity" / "-Infinity".
    static QString format(float value);
};
