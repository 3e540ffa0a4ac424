// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/FormColor.h"

#include "platform/desktop/ReadableText.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

QColor FormColor::of(std::uint32_t bgr) {
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

void FormColor::setBack(QWidget* widget, std::uint32_t bgr) {
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), of(bgr));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void FormColor::setFore(QWidget* widget, std::uint32_t bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, of(bgr));
    palette.setColor(QPalette::Text, of(bgr));
    ReadableText::markFixed(widget);
    widget->setPalette(palette);
}
