// SPDX-License-Identifier: GPL-3.0-or-later
// Every 32-bit pattern through the formatter, on every core: no fault, the promised
// shape for every finite value, and reading back gives the same float whenever its
// shortest digits need at most fifteen places. Not a QtTest: ends with a count line.
#include "conversion/ConvertValue.h"
#include "platform/text/NumberText.h"

#include <atomic>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <thread>
#include <vector>

namespace {

bool hasShape(const QString& text) {
    qsizetype i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype start = i;
    while (i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'))
        ++i;
    if (i == start)
        return false;
    if (i == text.size())
        return true;
    if (text[i++] != QLatin1Char('.'))
        return false;
    const qsizetype fraction = i;
    while (i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'))
        ++i;
    return i == text.size() && i - fraction >= 1 && i - fraction <= 15;
}

// Places after the point that the shortest digits of the value need.
int placesNeeded(float value) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    const std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf));
    const std::size_t e = s.find('e');
    int digits = 0;
    for (char c : s.substr(0, e))
        digits += (c >= '0' && c <= '9') ? 1 : 0;
    const int exponent = std::atoi(s.data() + e + 1);
    return std::max(0, digits - 1 - exponent);
}

struct Tally {
    std::atomic<std::uint64_t> checked{0}, readBack{0}, badShape{0}, badReadBack{0};
};

void sweep(std::uint64_t from, std::uint64_t to, Tally& tally) {
    std::uint64_t checked = 0, readBack = 0, badShape = 0, badReadBack = 0;
    for (std::uint64_t bits = from; bits < to; ++bits) {
        const auto pattern = static_cast<std::uint32_t>(bits);
        float value;
        std::memcpy(&value, &pattern, sizeof value);
        const QString text = NumberText::format(value);
        if (!std::isfinite(value))
            continue;
        ++checked;
        if (!hasShape(text)) {
            if (++badShape <= 5)
                std::fprintf(stderr, "shape: %08x -> %s\n", pattern, qPrintable(text));
            continue;
        }
        if (placesNeeded(value) <= 15) {
            ++readBack;
            const float back = ConvertValue::toSingle(NumberText::val(text));
            if (back != value && !(back == 0 && value == 0) && ++badReadBack <= 5)
                std::fprintf(stderr, "read back: %08x -> %s\n", pattern, qPrintable(text));
        }
    }
    tally.checked += checked;
    tally.readBack += readBack;
    tally.badShape += badShape;
    tally.badReadBack += badReadBack;
}

} // namespace

int main(int argc, char* argv[]) {
    // An optional count of patterns makes a quick trial run possible.
    const std::uint64_t total = argc > 1 ? std::strtoull(argv[1], nullptr, 0) : (1ull << 32);
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    const auto start = std::chrono::steady_clock::now();
    Tally tally;
    std::vector<std::thread> workers;
    const std::uint64_t step = total / threads;
    for (unsigned t = 0; t < threads; ++t)
        workers.emplace_back(sweep, t * step, t + 1 == threads ? total : (t + 1) * step,
                             std::ref(tally));
    for (std::thread& w : workers)
        w.join();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%llu finite values formatted, %llu read back, on %u threads in %.0f s\n",
                static_cast<unsigned long long>(tally.checked.load()),
                static_cast<unsigned long long>(tally.readBack.load()), threads, seconds);
    const std::uint64_t bad = tally.badShape + tally.badReadBack;
    std::printf("%llu passed, %llu failed\n", static_cast<unsigned long long>(tally.checked - bad),
                static_cast<unsigned long long>(bad));
    return bad ? 1 : 0;
}
