// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/HelpViewer.h"

#include "platform/desktop/Language.h"
#include "platform/desktop/WindowPlace.h"
#include "platform/forms/App.h"
#include "platform/forms/StandIn.h"
#include "platform/forms/Twips.h"
#include "platform/help/HelpBrowser.h"
#include "platform/help/HelpDocument.h"

#include <QApplication>
#include <QWindow>

namespace {
QPointer<HelpBrowser>& viewer() {
    static QPointer<HelpBrowser> instance;
    return instance;
}

QString& currentFile() {
    static QString instance;
    return instance;
}

void show(const QString& helpFile, const QString& anchor = {}) {
    currentFile() = helpFile;
    viewer()->setDocuments(HelpDocument::familyNames(helpFile));
    viewer()->setPage(HelpDocument::load(helpFile).html);
    if (!anchor.isEmpty())
        viewer()->scrollToAnchor(anchor);
}

// A modal window blocks every window but its own; help asked for from one must not be
// blocked by it, so the viewer stands over that window while it is up.
void standOver(QWidget* modal) {
    QWindow* owner = modal ? modal->windowHandle() : nullptr;
    // A widget has a window to give an owner only once it is native; made so here, before
    // it is first shown, the window manager maps it over the modal window from the start.
    viewer()->winId();
    QWindow* window = viewer()->windowHandle();
    if (window->transientParent() == owner)
        return;
    // Set on the shown window: hidden and shown again at once, a window manager may
    // never map it back.
    window->setTransientParent(owner);
}
} // namespace

qint32 HelpViewer::command(quintptr, const QByteArray& helpFile, quint32 command, qint32) {
    if (StandIn* standIn = StandIn::current())
        standIn->helpCommand(command);
    switch (command) {
    case HELP_CONTENTS: {
        // A viewer closed a moment ago is on its way out, whether or not it is gone yet.
        if (!viewer() || !viewer()->isVisible()) {
            viewer() = new HelpBrowser;
            viewer()->setAttribute(Qt::WA_DeleteOnClose);
            viewer()->setAttribute(Qt::WA_QuitOnClose, false);
            viewer()->resize(
                WindowPlace::fitted(viewer(), QSize(Twips::px(8400), Twips::px(9000))));
            QObject::connect(viewer(), &HelpBrowser::documentRequested, viewer(),
                             [](const QString& name, const QString& anchor) {
                                 show(HelpDocument::sibling(currentFile(), name), anchor);
                             });
            // The viewer stands for a program of its own, which no modal window of
            // Lentaro's ever blocked.
            QObject::connect(
                viewer(), &HelpBrowser::blocked, viewer(),
                [] {
                    QWidget* modal = QApplication::activeModalWidget();
                    if (modal && modal != viewer()) {
                        standOver(modal);
                        modal->activateWindow();
                    }
                },
                Qt::QueuedConnection);
            WindowPlace::centreOnScreen(viewer());
        }
        viewer()->setWindowTitle(
            QCoreApplication::translate("HelpViewer", "%1 Help").arg(App::Title));
        // In the language the windows speak.
        show(HelpDocument::localized(QString::fromLocal8Bit(helpFile), Language::chosen()));
        QWidget* modal = QApplication::activeModalWidget();
        standOver(modal == viewer() ? nullptr : modal);
        WindowPlace::bringForward(viewer());
        return 1;
    }
    case HELP_QUIT:
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
