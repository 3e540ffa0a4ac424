#include "platform/HelpViewer.h"

#include "platform/HelpBrowser.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QStringDecoder>

namespace {
QPointer<HelpBrowser>& viewer() {
    static QPointer<HelpBrowser> instance;
    return instance;
}

std::function<void(quint32)>& observer() {
    static std::function<void(quint32)> instance;
    return instance;
}

// A help document is text; anything else (such as a compiled help file) is not one
// this viewer can show.
QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() || bytes.contains('\0') ? QString() : text;
}
} // namespace

qint32 HelpViewer::command(quintptr, const QByteArray& helpFile, quint32 command, qint32) {
    if (observer())
        observer()(command);
    switch (command) {
    case kContents: {
        if (!viewer()) {
            viewer() = new HelpBrowser;
            viewer()->setAttribute(Qt::WA_DeleteOnClose);
            viewer()->setAttribute(Qt::WA_QuitOnClose, false);
            viewer()->resize(560, 600);
            if (const QScreen* screen = QGuiApplication::primaryScreen()) {
                QRect frame = viewer()->frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                viewer()->move(frame.topLeft());
            }
        }
        const QString path = QString::fromLocal8Bit(helpFile);
        viewer()->setWindowTitle(QStringLiteral("Lentaro Help"));
        viewer()->setHtml(pageFor(path));
        viewer()->show();
        viewer()->raise();
        viewer()->activateWindow();
        return 1;
    }
    case kQuit:
        if (viewer())
            viewer()->close();
        return 1;
    default:
        return 0;
    }
}

HelpBrowser* HelpViewer::window() {
    return viewer();
}

void HelpViewer::setObserver(std::function<void(quint32)> o) {
    observer() = std::move(o);
}

QString HelpViewer::pageFor(const QString& path) {
    QString page = readText(path);
    if (page.isEmpty()) {
        // The path is a Windows one; the program carries a document of the same name.
        const QString name = path.section(QLatin1Char('\\'), -1).section(QLatin1Char('/'), -1);
        page = readText(QStringLiteral(":/help/") + name);
    }
    if (page.isEmpty()) {
        page = QStringLiteral("<h2>Help is not available</h2><p>The help file <b>%1</b> "
                              "cannot be opened.</p>")
                   .arg(path.toHtmlEscaped());
    }
    return page;
}
