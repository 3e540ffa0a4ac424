// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/Announcer.h"

#include <QAccessibleWidget>

namespace {
QAccessibleInterface* notification(const QString& className, QObject* object) {
    if (className == QLatin1String("Announcer") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}
} // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
    static const bool installed = (QAccessible::installFactory(notification), true);
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("Announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
}

void Announcer::announce(const QString& text, QWidget* focused) {
#ifdef Q_OS_WIN
    // A change of the focused control's name; the same news twice in a slightly
    // different form, as a name that did not change is not read again.
    static const char* const kBase = "lentaroAccessibleName";
    if (!focused->property(kBase).isValid())
        focused->setProperty(kBase, focused->accessibleName());
    const QString base = focused->property(kBase).toString();
    QString name = base.isEmpty() ? text : text + QStringLiteral(". ") + base;
    if (name == focused->accessibleName())
        name.replace(text.size(), 1, QLatin1Char(','));
    focused->setAccessibleName(name);
#else
    Q_UNUSED(focused);
#endif
    hide();
    setAccessibleName(text);
    show();
}
