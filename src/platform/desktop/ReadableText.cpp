// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/ReadableText.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <array>
#include <cmath>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
const char* const kFixed = "lentaroFixedTextColour";

// Every 8-bit channel's linear light, worked out by the compiler (GCC folds std::pow in
// constant expressions): the start-up then pages in none of libm's tables for it.
constexpr std::array<double, 256> kLinear = [] {
    std::array<double, 256> linear{};
    for (size_t i = 0; i < linear.size(); ++i) {
        const double v = static_cast<double>(i) / 255.0;
        linear[i] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    }
    return linear;
}();

double luminance(const QColor& c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * kLinear[static_cast<size_t>(rgb.red())] +
           0.7152 * kLinear[static_cast<size_t>(rgb.green())] +
           0.0722 * kLinear[static_cast<size_t>(rgb.blue())];
}

QPalette::ColorRole textRole(const QWidget* widget) {
    return widget->backgroundRole() == QPalette::Base ? QPalette::Text : QPalette::WindowText;
}
} // namespace

double ReadableText::contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableText::asReadableAs(const QColor& theme, const QColor& standard,
                                  const QColor& background) {
    const double wanted = std::min(kMinimum, contrast(standard, background));
    return contrast(theme, background) >= wanted ? theme : standard;
}

QColor ReadableText::linkOn(const QPalette& palette) {
    const QColor page = palette.color(QPalette::Base);
    const QColor link = palette.color(QPalette::Link);
    QList<QColor> candidates{link};
#ifdef Q_OS_WIN
    // Under High Contrast, Windows' own programs draw links in the hot-tracking colour.
    // Without the flag (Wine does not report it) that colour still comes before one made
    // up here: the system's colours are the user's.
    HIGHCONTRASTW mode{sizeof(mode), 0, nullptr};
    const bool high = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(mode), &mode, 0) &&
                      (mode.dwFlags & HCF_HIGHCONTRASTON);
    const COLORREF hot = GetSysColor(COLOR_HOTLIGHT);
    candidates.insert(high ? 0 : 1, QColor(GetRValue(hot), GetGValue(hot), GetBValue(hot)));
#endif
    // Moved toward the text a step at a time, a link keeps as much of its own colour as
    // still reads.
    const QColor text = palette.color(QPalette::Text);
    for (int step = 1; step <= 8; ++step)
        candidates << QColor::fromRgbF(link.redF() + (text.redF() - link.redF()) * step / 8,
                                       link.greenF() + (text.greenF() - link.greenF()) * step / 8,
                                       link.blueF() + (text.blueF() - link.blueF()) * step / 8);
    for (const QColor& colour : candidates)
        if (contrast(colour, page) >= kMinimum)
            return colour;
    // Neither the theme's link nor its text reads on its page.
    return contrast(Qt::black, page) > contrast(Qt::white, page) ? Qt::black : Qt::white;
}

ReadableText::ReadableText(QWidget* widget, Mode mode)
    : QObject(widget), m_widget(widget), m_mode(mode) {
    widget->installEventFilter(this);
    update();
}

void ReadableText::keepTextOn(QWidget* widget) {
    if (!widget->findChild<ReadableText*>(QString(), Qt::FindDirectChildrenOnly))
        new ReadableText(widget, Mode::Text);
}

void ReadableText::keepBackgroundUnder(QWidget* widget) {
    new ReadableText(widget, Mode::Background);
}

void ReadableText::markFixed(QWidget* widget) {
    widget->setProperty(kFixed, true);
}

bool ReadableText::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_widget && (event->type() == QEvent::PaletteChange ||
                                event->type() == QEvent::ApplicationPaletteChange))
        update();
    return QObject::eventFilter(watched, event);
}

void ReadableText::update() {
    // The theme's colours are the application's for this kind of widget; the widget's
    // own palette holds what the forms, or this, have set.
    const QPalette theme = QApplication::palette(m_widget);
    QPalette palette = m_widget->palette();
    if (m_mode == Mode::Text) {
        if (m_widget->property(kFixed).toBool())
            return;
        const QColor background = palette.color(m_widget->backgroundRole());
        const QColor own = theme.color(textRole(m_widget));
        const QColor text = contrast(own, background) >= kMinimum ? own : QColor(Qt::black);
        // Only the text's role: a radio button's dot is drawn in the other.
        if (palette.color(textRole(m_widget)) == text)
            return;
        palette.setColor(textRole(m_widget), text);
    } else {
        const QColor own = theme.color(QPalette::Base);
        const QColor base =
            contrast(palette.color(QPalette::Text), own) >= kMinimum ? own : QColor(Qt::white);
        if (palette.color(QPalette::Base) == base)
            return;
        palette.setColor(QPalette::Base, base);
    }
    m_widget->setPalette(palette);
}
