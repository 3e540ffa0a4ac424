#include "ModalWatchdog.h"

#include <QApplication>
#include <QDialog>

ModalWatchdog::ModalWatchdog(QObject* parent) : QObject(parent) {
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::check);
    m_timer.start(20);
}

QStringList ModalWatchdog::takeUnexpected() {
    check();
    return std::exchange(m_unexpected, {});
}

void ModalWatchdog::check() {
    QWidget* modal = QApplication::activeModalWidget();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!modal && top->isVisible() && top->isModal())
            modal = top;
    }
    if (!modal || modal == m_expected)
        return;
    m_unexpected << QStringLiteral("%1 \"%2\"")
                        .arg(QString::fromLatin1(modal->metaObject()->className()),
                             modal->windowTitle());
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->hide();
}
