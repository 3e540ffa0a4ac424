// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/WindowPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {
QRect available(const QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QMargins margins(const QWidget* w) {
    const QRect f = w->frameGeometry();
    const QRect g = w->geometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

// The frame around the window's inside. Until the window manager has framed it once, it
// is taken to be the owner's, or a title bar a line of text high.
QMargins frameMargins(const QWidget* window, const QWidget* owner = nullptr) {
    if (const QMargins m = margins(window); !m.isNull())
        return m;
    if (owner && !margins(owner).isNull())
        return margins(owner);
    const int border = 4;
    return {border, window->fontMetrics().height() + 2 * border, border, border};
}

void placeFrame(QWidget* window, QRect frame) {
    const QRect area = available(window);
    if (!area.isEmpty()) {
        frame.moveLeft(std::clamp(frame.left(), area.left(),
                                  std::max(area.left(), area.right() - frame.width() + 1)));
        frame.moveTop(std::clamp(frame.top(), area.top(),
                                 std::max(area.top(), area.bottom() - frame.height() + 1)));
    }
    // A top-level window's position is that of its frame.
    window->move(frame.topLeft());
}
} // namespace

void WindowPlace::centreOnScreen(QWidget* window) {
    QRect frame = window->geometry().marginsAdded(frameMargins(window));
    frame.moveCenter(available(window).center());
    placeFrame(window, frame);
}

void WindowPlace::centreOver(QWidget* window, const QWidget* owner) {
#ifdef Q_OS_WIN
    // Windows knows a window's frame from its style once the native window exists, and a
    // tool window's is thinner than its owner's. (An X window manager knows it only once it
    // has framed the window, and a window made before then is placed by its inside.)
    window->winId();
#endif
    QRect frame = window->geometry().marginsAdded(frameMargins(window, owner));
    frame.moveCenter(owner->frameGeometry().center());
    placeFrame(window, frame);
}

QSize WindowPlace::fitted(const QWidget* window, QSize wanted) {
    const QRect area = available(window);
    if (area.isEmpty())
        return wanted;
    const QMargins m = frameMargins(window);
    return wanted.boundedTo(
        QSize(area.width() - m.left() - m.right(), area.height() - m.top() - m.bottom()));
}

void WindowPlace::bringForward(QWidget* window) {
    // A window coming onto the screen is activated as the window manager maps it. Asked for
    // before that, the activation waits for the map, and may then take the focus from a
    // window opened meanwhile (the record window over the help, on a busy machine): only a
    // window already up is asked to be activated.
    const bool up = window->isVisible();
    window->show();
    window->raise();
    if (up)
        window->activateWindow();
}
