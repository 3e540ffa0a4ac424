// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/Shape.h"

#include <QPainter>

Shape::Shape(QWidget* parent, QColor fill, Corners corners)
    : QWidget(parent), m_fill(fill), m_corners(corners) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_corners == Corners::Rounded) {
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal radius = qMin(width(), height()) / 8.0;
        painter.drawRoundedRect(outline, radius, radius);
    } else {
        painter.drawRect(outline);
    }
}
