// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/HelpDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
const QString kThaiInfix = QStringLiteral(".th");

qsizetype nameStart(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/'))) + 1;
}

QString fileName(const QString& path) {
    return path.mid(nameStart(path));
}

// HELP_LT.th.HLP -> HELP_LT.HLP: the name every language's document derives from.
QString baseName(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? name : name.left(dot);
    const QString suffix = dot < 0 ? QString() : name.mid(dot);
    return stem.endsWith(kThaiInfix) ? stem.chopped(kThaiInfix.size()) + suffix : name;
}

QByteArray readAtMost(const QString& path) {
#ifdef Q_OS_WIN
    // Windows keeps pipes and devices out of the file system's directories.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > HelpDocument::kMaxBytes)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
#else
    // Opened without blocking and checked on the open descriptor, so that nothing can
    // swap a pipe in between the check and the read.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > HelpDocument::kMaxBytes) {
        ::close(fd);
        return {};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
#endif
    QByteArray bytes = file.read(HelpDocument::kMaxBytes + 1);
    return bytes.size() > HelpDocument::kMaxBytes ? QByteArray() : bytes;
}
} // namespace

HelpDocument::Page HelpDocument::load(const QString& helpFile, const QString& installed) {
    const QString name = fileName(helpFile);
    QStringList candidates;
    if (!isForeignPath(helpFile))
        candidates << helpFile;
    if (!installed.isEmpty())
        candidates << QDir(installed).filePath(name);
    candidates << QStringLiteral(":/help/") + name;
    for (const QString& path : candidates) {
        const QString text = readText(path);
        if (!text.isEmpty())
            return {text, path};
    }
    return {QCoreApplication::translate("HelpDocument",
                                        "<h2>Help is not available</h2><p>The help file "
                                        "<b>%1</b> cannot be opened.</p>")
                .arg(helpFile.toHtmlEscaped()),
            {}};
}

QString HelpDocument::localized(const QString& helpFile, const QLocale& locale) {
    const QString base = baseName(fileName(helpFile));
    if (locale.language() != QLocale::Thai)
        return sibling(helpFile, base);
    const qsizetype dot = base.lastIndexOf(QLatin1Char('.'));
    return sibling(helpFile,
                   dot < 0 ? base + kThaiInfix : base.left(dot) + kThaiInfix + base.mid(dot));
}

QStringList HelpDocument::familyNames(const QString& helpFile) {
    return {fileName(localized(helpFile, QLocale::c())),
            fileName(localized(helpFile, QLocale(QLocale::Thai)))};
}

QString HelpDocument::sibling(const QString& helpFile, const QString& name) {
    return helpFile.left(nameStart(helpFile)) + name;
}

bool HelpDocument::isForeignPath(const QString& path) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return false;
#else
    return path.size() >= 3 && path[0].isLetter() && path[0].unicode() < 128 &&
           path[1] == QLatin1Char(':') &&
           (path[2] == QLatin1Char('\\') || path[2] == QLatin1Char('/'));
#endif
}

QString HelpDocument::installedDir() {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("../share/lentaro"));
}

QString HelpDocument::readText(const QString& path) {
    // Built-in documents are trusted; a file of the system's is checked on the way in.
    QByteArray bytes;
    if (path.startsWith(QLatin1String(":/"))) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
    } else {
        bytes = readAtMost(path);
    }
    // A help document is text; anything else (a compiled help file) is not one this
    // viewer can show.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() || bytes.contains('\0') ? QString() : text;
}
