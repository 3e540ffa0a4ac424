// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QTranslator>

// The language Lentaro speaks to its user: the first of the user's interface languages that
// it has a translation for, built into the program, or English, the language its texts are
// written in, where English comes first or none has one. Installed into the application,
// it translates every tr() of the windows.
class Language : public QTranslator {
public:
    explicit Language(const QStringList& uiLanguages = QLocale::system().uiLanguages());

    // The text in this language, or as written where it has no translation; for texts
    // needed before the application exists (the command line).
    QString text(const char* context, const char* source) const;

    // The language chosen from the user's: the translation's, or English.
    static QLocale chosen(const QStringList& uiLanguages = QLocale::system().uiLanguages());
};
