// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// The help viewer's entry point and the program's help file.
class MopenHelpFile {
public:
    static const QString kHelpFile;

    // (window handle, help file in the system character set, command, data) -> result.
    static qint32 WinHelpA(quintptr hwnd, const QByteArray& lpHelpFile, quint32 wCommand,
                           qint32 dwData);

    // The calls the main window makes: the help file's contents, and quitting the
    // viewer. Results are ignored, as a missing file is the viewer's affair.
    static void showContents(QWidget* owner);
    static void quitViewer(QWidget* owner);
};
