// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

// The boundary of every event handler. Handlers trap no errors; a RuntimeError that
// escapes one is reported here, over the window that owns the handler, and the
// program carries on with its state as the handler left it.
class EventHandler {
public:
    // Runs the handler, unless a modal window blocks the owner's window.
    static void run(QWidget* owner, const std::function<void()>& handler);
    // Whether a modal window other than the owner's own blocks the owner's window. The
    // window system holds back the mouse and keys there; assistive technology acts on
    // controls directly, and is held back here.
    static bool blocked(const QWidget* owner);

    // A slot that runs owner->handler() through the boundary.
    template <class Owner> static auto slot(Owner* owner, void (Owner::*handler)()) {
        return [owner, handler] { run(owner, [owner, handler] { (owner->*handler)(); }); };
    }
};
