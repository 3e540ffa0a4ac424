#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// Fails a GUI test instead of letting it hang: any modal window that the test did not
// expect is recorded and closed as soon as it appears, nested event loops included.
class ModalWatchdog : public QObject {
    Q_OBJECT
public:
    explicit ModalWatchdog(QObject* parent = nullptr);

    // A modal window the test means to show (such as the record window).
    void expect(QWidget* window) { m_expected = window; }
    // Titles of the unexpected modal windows seen so far; clears the list.
    QStringList takeUnexpected();

private:
    void check();

    QTimer m_timer;
    QPointer<QWidget> m_expected;
    QStringList m_unexpected;
};
