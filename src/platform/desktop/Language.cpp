// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/Language.h"

namespace {
const QString kName = QStringLiteral("lentaro");
const QString kPrefix = QStringLiteral("_");
const QString kFolder = QStringLiteral(":/i18n");

// Qt's own texts that Lentaro's windows show, for which Qt has no Thai: named here, in
// Qt's contexts, so that lupdate puts them in every translation and they are read out of
// it. The message box's button, and the menus of the input box and of selectable text
// (the result, the help page).
[[maybe_unused]] const char* const kQtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Copy &Link Location"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Select All"),
};
} // namespace

Language::Language(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        const QLocale wanted(name);
        // English is what the texts are written in, and "C" asks for them as written:
        // a language after either is the user's second choice, not taken.
        if (wanted.language() == QLocale::English || name == QLatin1String("C") ||
            name == QLatin1String("POSIX"))
            return;
        if (load(wanted, kName, kPrefix, kFolder))
            return;
    }
}

QString Language::text(const char* context, const char* source) const {
    const QString translated = translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

QLocale Language::chosen(const QStringList& uiLanguages) {
    const Language language(uiLanguages);
    return language.isEmpty() ? QLocale(QLocale::English) : QLocale(language.language());
}
