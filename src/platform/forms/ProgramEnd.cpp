// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/ProgramEnd.h"

#include "platform/forms/StandIn.h"

#include <QCoreApplication>

void ProgramEnd::request(Way way) {
    if (StandIn* standIn = StandIn::current(); standIn && standIn->end(way))
        return;
    // exit() rather than quit(): quit() would first ask every window to close, and
    // the record window refuses.
    QCoreApplication::exit(0);
}
