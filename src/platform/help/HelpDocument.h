// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// Where the help viewer finds a help document, and which language it shows.
class HelpDocument {
public:
    // Larger files are not help documents; reading them could stall the program.
    static constexpr qint64 kMaxBytes = 1 << 20;

    struct Page {
        QString html;
        QString origin; // the file read, ":/help/NAME" for the built-in copy, empty if none
    };

    // The page for a help file path: the path itself when it names a file of this
    // system, else the installed copy of the same name, else the one built into the
    // program.
    static Page load(const QString& helpFile, const QString& installed = installedDir());

    // The help file path for the given language: HELP_LT.HLP becomes HELP_LT.th.HLP.
    static QString localized(const QString& helpFile, const QLocale& locale);
    // The file names of the family of documents that helpFile belongs to, one for
    // each language; the only documents the viewer follows links to.
    static QStringList familyNames(const QString& helpFile);
    // helpFile with its file name replaced by name.
    static QString sibling(const QString& helpFile, const QString& name);

    // A path with a drive letter where drive letters mean nothing.
    static bool isForeignPath(const QString& path);
    // <program>/../share/lentaro, where an installed Lentaro keeps its help.
    static QString installedDir();
    // UTF-8 text of a regular file no larger than kMaxBytes, or an empty string. It
    // never waits: a pipe, a device or a directory counts as unreadable.
    static QString readText(const QString& path);
};
