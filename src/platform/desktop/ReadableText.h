// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>

class QPalette;
class QWidget;

// Keeps text readable where the forms fix one colour and the desktop's theme gives the
// other: the forms were drawn for a light desktop, and a dark or high-contrast theme
// would otherwise put white text on their white labels. In a light theme nothing changes.
class ReadableText : public QObject {
    Q_OBJECT
public:
    // The contrast a text needs against its background (WCAG 2, normal text).
    static constexpr double kMinimum = 4.5;

    // The WCAG contrast ratio of two colours, 1 to 21.
    static double contrast(const QColor& a, const QColor& b);
    // Text the forms give no colour, on a background they fix: the theme's text colour
    // where it reads there, black otherwise. Follows later changes of the theme.
    static void keepTextOn(QWidget* widget);
    // A text colour the forms fix, on a background they leave to the theme: the theme's
    // background where the text reads on it, white (the light desktop's) otherwise.
    static void keepBackgroundUnder(QWidget* widget);
    // A colour the forms take from the theme, on a background they fix: the theme's where it
    // reads there at least as well as the standard one of a light desktop does (kMinimum
    // is enough), the standard one where it would not.
    static QColor asReadableAs(const QColor& theme, const QColor& standard,
                               const QColor& background);
    // The colour for links on a page of the palette's base: the theme's link colour where
    // it reads there; under Windows' High Contrast the system's hot-tracking colour, which
    // is Windows' own for links; otherwise the first that reads of that colour and the
    // theme's moved toward the page's text.
    static QColor linkOn(const QPalette& palette);
    // Marks the widget's text colour as one the forms fix, so keepTextOn leaves it.
    static void markFixed(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Mode { Text, Background };
    ReadableText(QWidget* widget, Mode mode);
    void update();

    QWidget* m_widget;
    Mode m_mode;
};
