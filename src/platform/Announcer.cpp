// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Announcer.h"

#include <QString>
#include <QWidget>

void Announcer::announce(QWidget* control, const QString& text) {
#ifdef Q_OS_WIN
    // Qt's UI Automation bridge passes on name changes only.
    static const char* const kBase = "lentaroAccessibleName";
    if (!control->property(kBase).isValid())
        control->setProperty(kBase, control->accessibleName());
    const QString base = control->property(kBase).toString();
    control->setAccessibleName(base.isEmpty() ? text : text + QStringLiteral(", ") + base);
#else
    // The same news twice must be heard twice: a reader may skip a description that
    // did not change.
    if (control->accessibleDescription() == text)
        control->setAccessibleDescription(QString());
    control->setAccessibleDescription(text);
#endif
}
