// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPointer>
#include <QString>

class HelpBrowser;

// Stands in for the platform's help viewer: a modeless window that the contents
// command opens or brings forward and the quit command closes.
class HelpViewer {
public:
    // The viewer's commands, by the codes and names of the platform's own viewer.
    static constexpr quint32 HELP_QUIT = 2;
    static constexpr quint32 HELP_CONTENTS = 3;

    // The viewer's entry point. The help file is 8-bit text in the system character
    // set. Returns non-zero when the command was understood.
    static qint32 command(quintptr window, const QByteArray& helpFile, quint32 command,
                          qint32 data);

    // The open viewer window, if any.
    static HelpBrowser* window();
};
