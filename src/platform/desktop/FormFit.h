// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QWidget;

// Makes a form drawn in twips hold its texts in whatever face and size it ends up drawn
// with: a face wider than the one it was drawn for, or a display scale that rounds text
// up, grows the whole form in proportion, with a little room to spare. Where every text
// fits as drawn, nothing moves.
class FormFit {
public:
    // The extra width, as a share, that a form that has to grow is given.
    static constexpr double kRoom = 0.06;
    // A control may name texts it must hold besides its own (a label whose text
    // changes) in this property, as a QStringList.
    static const char* const kAlsoHolds;

    // The width the control needs to show the text whole, in its own font.
    static int textWidth(const QWidget* control, const QString& text);
    // How many times wider its controls must be for every text to fit; 1 when all fit.
    static double needed(const QWidget* form);
    // Grows the form and every control on it by the factor needed, if any; returns it.
    static double fit(QWidget* form);

    // A label without a border is sized to its text: at least as drawn, more where its
    // text needs it. It never makes the form grow.
    static void sizeToText(QLabel* label, const QRect& drawn);

    // Shows the text in the label at the label's font size, or smaller down to
    // smallestPoints where it would not fit; a text cut even then is whole in the
    // tooltip. The label's font is the full-size one.
    static void showWhole(QLabel* label, const QString& text, const QFont& full,
                          qreal smallestPoints);
};
