// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Ends the program. Tests install a handler to observe the request instead.
class ProgramEnd {
public:
    enum class Way {
        Immediate,   // File > Exit: no window's unload step runs
        AfterUnload, // the main window was closed and has run its unload step
    };

    static void request(Way way);
    static void setHandler(std::function<void(Way)> handler);
};
