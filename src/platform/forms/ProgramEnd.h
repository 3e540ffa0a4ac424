// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ends the program, unless a stand-in takes the request.
class ProgramEnd {
public:
    enum class Way {
        Immediate,   // File > Exit: no window's unload step runs
        AfterUnload, // the main window was closed and has run its unload step
    };

    static void request(Way way);
};
