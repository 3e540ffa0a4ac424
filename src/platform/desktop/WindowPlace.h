// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QWidget;

// Where top-level windows go: centred, and always inside the screen's available area, so
// that at any display scale the title bar can be reached.
class WindowPlace {
public:
    // Centres the window, frame and all, on its screen's available area.
    static void centreOnScreen(QWidget* window);
    // Centres the window's frame over another window's, kept inside the screen.
    static void centreOver(QWidget* window, const QWidget* owner);
    // The wanted size, made smaller where the screen cannot hold it with a frame.
    static QSize fitted(const QWidget* window, QSize wanted);
    // Shows the window in front of the others, and gives it the focus.
    static void bringForward(QWidget* window);
};
