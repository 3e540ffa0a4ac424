// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shell/DisplayGuard.h"

#include "platform/desktop/Language.h"

#include <QList>
#include <cstdio>
#include <cstdlib>

namespace {
struct Held {
    QtMsgType type;
    // The context's strings are literals of the caller's, so they outlive the call.
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};
QList<Held> held;
QtMessageHandler previous = nullptr;

#ifdef Q_OS_WIN
const char* const kNoDisplayLine = QT_TRANSLATE_NOOP(
    "DisplayGuard",
    "lentaro: cannot open its windows: the Windows platform plugin could not start.\n");
#else
const char* const kNoDisplayLine = QT_TRANSLATE_NOOP(
    "DisplayGuard", "lentaro: cannot open a display. Lentaro is a desktop program: run it in "
                    "a graphical session (X11 or Wayland), or set DISPLAY to an X server.\n");
#endif

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // In the user's language, read out of the translations only now: no start pays for it.
        std::fputs(Language().text("DisplayGuard", kNoDisplayLine).toLocal8Bit().constData(),
                   stderr);
        std::fflush(stderr);
        std::_Exit(DisplayGuard::kNoDisplay);
    }
    held.append({type, context.file, context.line, context.function, context.category, text});
}
} // namespace

std::unique_ptr<QApplication> DisplayGuard::open(int& argc, char* argv[]) {
    // Qt's complaints while it looks for a display end in a fatal error if none is
    // found; they are held back until it is known whether one was.
    previous = qInstallMessageHandler(holdOrFail);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const Held& m : std::exchange(held, {}))
        qt_message_output(m.type, QMessageLogContext(m.file, m.line, m.function, m.category),
                          m.text);
    return app;
}
