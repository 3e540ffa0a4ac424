// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/MessageBox.h"

#include "platform/forms/StandIn.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>

void MessageBox::ShowMessage(QWidget* owner, const QString& text, const QString& title,
                             MessageStyle style) {
    if (StandIn* standIn = StandIn::current();
        standIn && standIn->message({text, title, style, owner}))
        return;
    const auto icon =
        style == MessageStyle::Information ? QMessageBox::Information : QMessageBox::Warning;
    QMessageBox box(icon, title, text, QMessageBox::Ok, owner);
    // Text a mouse can select makes Qt's label take focus on a click, and a screen reader
    // (Orca 51) passes over a label that can take focus inside an alert: the message would
    // never be spoken. Without focus it is still selected by mouse (and, on X11, pasted
    // with the middle button); Ctrl+C goes to the box, as it does when OK has the focus.
    for (QLabel* label : box.findChildren<QLabel*>())
        label->setFocusPolicy(Qt::NoFocus);
    // A box sizes itself to its text alone; a short text would cut its title to "...".
    // The title bar also holds the window buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int room =
            QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(title) * 5 /
                4 +
            120;
        grid->addItem(new QSpacerItem(room, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}
