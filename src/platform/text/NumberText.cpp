// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/NumberText.h"

#include <QList>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the run of digits starting at pos.
std::size_t digitRun(std::string_view s, std::size_t pos) {
    std::size_t n = 0;
    while (pos + n < s.size() && isDigit(s[pos + n]))
        ++n;
    return n;
}

// from_chars reports both overflow and underflow as out of range; tell them apart by
// the decimal exponent of the first significant digit.
bool overflows(std::string_view mantissa, std::string_view exponent) {
    long long lead = 0; // decimal exponent of the first non-zero digit, before the exponent part
    const std::size_t dot = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, dot);
    const std::size_t firstNonZero = whole.find_first_not_of('0');
    if (firstNonZero != std::string_view::npos) {
        lead = static_cast<long long>(whole.size() - firstNonZero) - 1;
    } else if (dot != std::string_view::npos) {
        const std::string_view fraction = mantissa.substr(dot + 1);
        lead = -static_cast<long long>(fraction.find_first_not_of('0')) - 1;
    }
    long long exp = 0;
    bool negative = false;
    for (char c : exponent) {
        if (c == '-')
            negative = true;
        else if (isDigit(c) && exp < 1'000'000)
            exp = exp * 10 + (c - '0');
    }
    return lead + (negative ? -exp : exp) > 0;
}

} // namespace

double NumberText::val(QStringView text) {
    // Blanks of any kind are dropped first, so "1 000" reads as 1000 whatever the space;
    // a decimal digit of any script reads as its digit, and the minus sign and the
    // full-width sign, point and E as theirs. Anything else outside ASCII ends the number
    // like any other letter.
    std::string s;
    s.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t ch : text.toUcs4()) {
        if (ch == U'\t' || QChar::category(ch) == QChar::Separator_Space)
            continue;
        if (ch < 0x80)
            s.push_back(static_cast<char>(ch));
        else if (QChar::category(ch) == QChar::Number_DecimalDigit)
            s.push_back(static_cast<char>('0' + QChar::digitValue(ch)));
        else
            s.push_back(ch == U'\u2212' || ch == U'\uff0d'   ? '-'
                        : ch == U'\uff0b'                    ? '+'
                        : ch == U'\uff0e'                    ? '.'
                        : ch == U'\uff25' || ch == U'\uff45' ? 'e'
                                                             : '\x7f');
    }

    std::size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
        negative = s[pos++] == '-';
    const std::size_t mantissaStart = pos;
    std::size_t digits = digitRun(s, pos);
    pos += digits;
    if (pos < s.size() && s[pos] == '.') {
        const std::size_t fraction = digitRun(s, pos + 1);
        digits += fraction;
        pos += 1 + fraction;
    }
    if (digits == 0)
        return 0.0;
    const std::size_t mantissaEnd = pos;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        std::size_t e = pos + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-'))
            ++e;
        const std::size_t expDigits = digitRun(s, e);
        if (expDigits > 0)
            pos = e + expDigits;
    }

    const std::string_view number(s.data() + mantissaStart, pos - mantissaStart);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        const std::string_view mantissa = number.substr(0, mantissaEnd - mantissaStart);
        const std::string_view exponent = number.substr(mantissa.size());
        value = overflows(mantissa, exponent) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc() || end != number.data() + number.size()) {
        value = 0.0; // cannot happen for the text scanned above; never let it through
    }
    return negative ? -value : value;
}

QString NumberText::format(float value) {
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");

    // The shortest digits come from the scientific form: libstdc++'s fixed form writes
    // every digit of a large whole number (1E33 as 999999994495727286427992885035008).
    std::array<char, 64> buf{};
    auto r =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific);
    const std::string_view sci(buf.data(), static_cast<std::size_t>(r.ptr - buf.data()));
    const std::size_t e = sci.find('e');
    const bool negative = sci.front() == '-';
    std::string digits;
    for (char c : sci.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
        if (isDigit(c))
            digits.push_back(c);
    }
    int exponent = 0;
    std::from_chars(sci.data() + e + (sci[e + 1] == '+' ? 2 : 1), sci.data() + sci.size(),
                    exponent);

    constexpr int maxDecimals = 15;
    const int whole = exponent + 1; // digits before the point
    const int count = static_cast<int>(digits.size());
    std::string text;
    if (count - whole > maxDecimals) {
        // More places than the pattern has: round the value itself to fifteen places.
        r = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                          std::chars_format::fixed, maxDecimals);
        text.assign(buf.data(), r.ptr);
    } else if (whole >= count) {
        text = digits + std::string(static_cast<std::size_t>(whole - count), '0');
    } else if (whole <= 0) {
        text = "0." + std::string(static_cast<std::size_t>(-whole), '0') + digits;
    } else {
        text = digits.substr(0, static_cast<std::size_t>(whole)) + '.' +
               digits.substr(static_cast<std::size_t>(whole));
    }
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (negative && text != "0")
        text.insert(0, 1, '-');
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
