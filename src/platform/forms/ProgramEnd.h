// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/StandIn.h"

// Ends the program, unless a stand-in takes the request.
class ProgramEnd {
public:
    using Way = StandIn::End;

    static void request(Way way);
};
