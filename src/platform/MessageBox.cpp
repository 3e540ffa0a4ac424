// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageBox.h"

#include <QMessageBox>

namespace {
MessageBox::Answerer& answerer() {
    static MessageBox::Answerer instance;
    return instance;
}
} // namespace

void MessageBox::ShowMessage(QWidget* owner, const QString& text, const QString& title,
                             MessageStyle style) {
    if (answerer()) {
        answerer()(Shown{text, title, style, owner});
        return;
    }
    const auto icon =
        style == MessageStyle::Information ? QMessageBox::Information : QMessageBox::Warning;
    QMessageBox box(icon, title, text, QMessageBox::Ok, owner);
    box.exec();
}

void MessageBox::setAnswerer(Answerer a) {
    answerer() = std::move(a);
}
