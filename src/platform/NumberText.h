// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// The two text conversions of the result command: typed text to a number, and a
// number to its shown text. Both are locale-independent and never fail.
class NumberText {
public:
    // Reads the longest number at the start of the text. Blanks (tab and every Unicode
    // space) anywhere are skipped; an optional sign, digits of any script with at most one
    // full stop and an optional exponent follow; U+2212 is a minus. Text that does not begin with a
    // number reads as 0; a number beyond the double range reads as an infinity of its sign. Never
    // NaN.
    static double val(QStringView text);

    // Formats under the pattern "0.###############": the shortest digits that read back
    // as the same float, written positionally with at most 15 decimals, no trailing
    // zeros, a full stop as separator, "0" for any zero and "Infinity" / "-Infinity".
    static QString format(float value);
};
