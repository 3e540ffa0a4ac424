// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QAccessibleEvent;

// Has a screen reader say a short text without moving the focus. Readers ignore a label
// that changes. On Windows, from Qt 6.8, the text goes out as a UI Automation
// notification (Narrator and NVDA speak it), and the announcer stays hidden, out of the
// tree. Elsewhere, what readers speak is a notification coming into view (every Orca,
// where only 48 and later take Qt's announcements), so the announcer is an empty
// notification in its window, shown with the text as its name.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    // Says text; focused is the control that has the focus now, from which a notification
    // is raised where one is.
    void announce(const QString& text, QWidget* focused);

    // The text of event, where it is an announcement raised as such; a null string for any
    // other event, and on platforms where the announcer comes into view instead.
    static QString news(QAccessibleEvent* event);
};
