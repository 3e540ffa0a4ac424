#include "mainwindow/Form1.h"
#include "platform/LentaroStyle.h"
#include "records/Mrec.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lentaro"));
    QApplication::setApplicationVersion(QStringLiteral(LENTARO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Lentaro"));
    LentaroStyle::install(app);

    Mrec records;
    Form1 window(records);
    window.show();
    return QApplication::exec();
}
