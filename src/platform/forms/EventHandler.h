// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

// The boundary of every event handler. Handlers trap no errors; a RuntimeError that
// escapes one is reported here, over the window that owns the handler, and the
// program carries on with its state as the handler left it.
class EventHandler {
public:
    static void run(QWidget* owner, const std::function<void()>& handler);

    // A slot that runs owner->handler() through the boundary.
    template <class Owner> static auto slot(Owner* owner, void (Owner::*handler)()) {
        return [owner, handler] { run(owner, [owner, handler] { (owner->*handler)(); }); };
    }
};
