// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageBox.h"

#include "platform/StandIn.h"

#include <QMessageBox>

void MessageBox::ShowMessage(QWidget* owner, const QString& text, const QString& title,
                             MessageStyle style) {
    if (StandIn* standIn = StandIn::current();
        standIn && standIn->message({text, title, style, owner}))
        return;
    const auto icon =
        style == MessageStyle::Information ? QMessageBox::Information : QMessageBox::Warning;
    QMessageBox box(icon, title, text, QMessageBox::Ok, owner);
    box.exec();
}
