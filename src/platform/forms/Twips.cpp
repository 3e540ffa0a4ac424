// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/Twips.h"

#include "platform/desktop/ReadableText.h"

#include <QGuiApplication>
#include <QPalette>

QColor Twips::color(std::uint32_t bgr) {
    if (bgr & 0x80000000u) {
        // Only the system colours the forms use.
        constexpr std::uint32_t highlight = 13;
        const QPalette palette = QGuiApplication::palette();
        return (bgr & 0xffu) == highlight ? palette.color(QPalette::Highlight)
                                          : palette.color(QPalette::WindowText);
    }
    return QColor(static_cast<int>(bgr & 0xffu), static_cast<int>((bgr >> 8) & 0xffu),
                  static_cast<int>((bgr >> 16) & 0xffu));
}

void Twips::setBackColor(QWidget* widget, std::uint32_t bgr) {
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), color(bgr));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    ReadableText::keepTextOn(widget);
}

void Twips::setForeColor(QWidget* widget, std::uint32_t bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color(bgr));
    palette.setColor(QPalette::Text, color(bgr));
    ReadableText::markFixed(widget);
    widget->setPalette(palette);
}
