// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
// Options that every Qt program takes; a user who passes -platform or -style to
// Lentaro means them for Qt, not as mistakes.
void acceptQtOptions(QCommandLineParser& parser) {
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "display",
                             "style", "stylesheet", "qwindowgeometry", "qwindowtitle",
                             "qwindowicon", "session", "name", "title", "visual"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void print(FILE* stream, const QString& text) {
#ifdef Q_OS_WIN
    // A window program has no console of its own; started from one, it answers there.
    const DWORD which = stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    if (!GetStdHandle(which) && AttachConsole(ATTACH_PARENT_PROCESS))
        stream = std::freopen("CONOUT$", "w", stream);
    if (!stream)
        return;
#endif
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}
} // namespace

int CommandLine::handle(int argc, char* argv[]) {
    // A core application only: it opens no display.
    QCoreApplication core(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lentaro converts a length between inch, millimetre, centimetre and mil."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"}, QStringLiteral("Show this help."));
    const QCommandLineOption version(QStringList{"v", "version"},
                                     QStringLiteral("Show the version."));
    parser.addOption(help);
    parser.addOption(version);
    acceptQtOptions(parser);

    QString error;
    if (!parser.parse(QCoreApplication::arguments()))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error =
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    if (!error.isEmpty()) {
        print(stderr, QStringLiteral("lentaro: %1\n").arg(error) + parser.helpText());
        return kUsageError;
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("lentaro %1\n").arg(QStringLiteral(LENTARO_VERSION)));
        return 0;
    }
    return kGoOn;
}
