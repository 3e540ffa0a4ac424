// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// Has a screen reader say a short text without moving the focus. Readers ignore a label
// that changes, and Qt 6.4 has no call for it; what they do speak is a notification
// coming into view (Orca), or a change of the focused control's name (Narrator, through
// Qt's UI Automation bridge). The announcer is an empty notification in its window.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    // Says text; focused is the control that has the focus now, which carries the text on
    // where the reader listens to names rather than notifications.
    void announce(const QString& text, QWidget* focused);
};
