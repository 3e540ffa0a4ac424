// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

#if defined(Q_OS_WIN) && QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#define LENTARO_RAISED_ANNOUNCEMENT 1
#else
#define LENTARO_RAISED_ANNOUNCEMENT 0
#endif

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
#if LENTARO_RAISED_ANNOUNCEMENT
    // Raised from where the reader is, so that it is heard as that control's news.
    QAccessibleAnnouncementEvent event(focused, text);
    QAccessible::updateAccessibility(&event);
#else
    Q_UNUSED(focused);
    hide();
    setAccessibleName(text);
    show();
#endif
}

QString Announcer::news(QAccessibleEvent* event) {
#if LENTARO_RAISED_ANNOUNCEMENT
    if (event->type() == QAccessible::Announcement)
        return static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#else
    Q_UNUSED(event);
#endif
    return {};
}
