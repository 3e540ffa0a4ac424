// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

// Has a screen reader say a short text about the focused control, without moving the
// focus: readers speak a change of the focused object's description (Orca) or name
// (Windows' UI Automation clients such as Narrator), and ignore labels changing.
class Announcer {
public:
    // Says text as news about control, which has or is about to take the focus. The
    // text stays as the control's last news, heard again when it is focused.
    static void announce(QWidget* control, const QString& text);
};
