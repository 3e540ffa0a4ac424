// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/MessageStyle.h"
#include "platform/forms/ProgramEnd.h"

#include <QPointer>
#include <QString>
#include <QWidget>

// The one seam between the program and the desktop it runs on: where a stand-in is set
// (a test's), message boxes, the end of the program and the help viewer's commands go
// to it first. Each call answers true when the stand-in took the place of the real thing.
class StandIn {
public:
    struct Message {
        QString text;
        QString title;
        MessageStyle style;
        QPointer<QWidget> owner;
    };
    using End = ProgramEnd::Way;

    virtual ~StandIn() = default;
    virtual bool message(const Message& shown) = 0;
    virtual bool end(End way) = 0;
    // Sees each help viewer command; the viewer carries it out all the same.
    virtual void helpCommand(quint32 command) = 0;

    static StandIn* current() { return s_current; }
    static void set(StandIn* standIn) { s_current = standIn; }

private:
    static inline StandIn* s_current = nullptr;
};
