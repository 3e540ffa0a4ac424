// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramEnd.h"

#include <QCoreApplication>

namespace {
std::function<void(ProgramEnd::Way)>& handler() {
    static std::function<void(ProgramEnd::Way)> instance;
    return instance;
}
} // namespace

void ProgramEnd::request(Way way) {
    if (handler()) {
        handler()(way);
        return;
    }
    // exit() rather than quit(): quit() would first ask every window to close, and
    // the record window refuses.
    QCoreApplication::exit(0);
}

void ProgramEnd::setHandler(std::function<void(Way)> h) {
    handler() = std::move(h);
}
