// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_help/MopenHelpFile.h"

#include "platform/help/HelpViewer.h"

#include <QWidget>

const QString MopenHelpFile::kHelpFile = QStringLiteral("C:\\Program Files\\Kestrano\\HELP_LT.HLP");

qint32 MopenHelpFile::WinHelpA(quintptr hwnd, const QByteArray& lpHelpFile, quint32 wCommand,
                               qint32 dwData) {
    return HelpViewer::command(hwnd, lpHelpFile, wCommand, dwData);
}

void MopenHelpFile::showContents(QWidget* owner) {
    WinHelpA(owner->winId(), kHelpFile.toLocal8Bit(), HelpViewer::HELP_CONTENTS, 0);
}

void MopenHelpFile::quitViewer(QWidget* owner) {
    WinHelpA(owner->winId(), kHelpFile.toLocal8Bit(), HelpViewer::HELP_QUIT, 0);
}
