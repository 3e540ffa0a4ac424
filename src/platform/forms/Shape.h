// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

// A rectangle drawn on a form: filled or outline only, square or rounded corners.
class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Corners { Square, Rounded };

    // An invalid fill colour draws the outline only.
    Shape(QWidget* parent, QColor fill, Corners corners = Corners::Square);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
    Corners m_corners;
};
