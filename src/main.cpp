// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/Form1.h"
#include "platform/desktop/Language.h"
#include "platform/desktop/LentaroStyle.h"
#include "platform/forms/App.h"
#include "platform/shell/CommandLine.h"
#include "platform/shell/DisplayGuard.h"
#include "records/Mrec.h"

#include <QApplication>
#include <QPointer>

int main(int argc, char* argv[]) {
    if (const int code = CommandLine::handle(argc, argv); code != CommandLine::kGoOn)
        return code;
    const std::unique_ptr<QApplication> app = DisplayGuard::open(argc, argv);
    QApplication::setApplicationName(App::Title);
    QApplication::setApplicationVersion(QStringLiteral(LENTARO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Lentaro"));
    LentaroStyle::install(*app);
    // Before any window is made: each takes its texts as it is built.
    Language language;
    QApplication::installTranslator(&language);

    Mrec records;
    Form1 window(records);
    window.show();
    const int code = QApplication::exec();

    // Windows opened without an owner (About, the help viewer) end with the program.
    QList<QPointer<QWidget>> unowned;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != &window && !top->parentWidget())
            unowned << top;
    }
    for (const QPointer<QWidget>& top : unowned)
        delete top.data();
    return code;
}
