// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/Form1.h"
#include "platform/StandIn.h"
#include "records/Mrec.h"

#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

// A fresh main window for each test, standing in for the desktop: message boxes answered,
// end requests and help viewer commands recorded instead of acted on. A watchdog closes
// and records any modal window the test did not expect, nested event loops included, so
// that a test fails instead of hanging. Safe whatever fails: the window always goes before
// the record memory it refers to, and a set-up left half done is torn down by the next.
class GuiTestCase : public QObject, public StandIn {
    Q_OBJECT
public:
    ~GuiTestCase() override { tearDown(); }

    bool message(const Message& shown) override { return messages << shown, answerBoxes; }
    bool end(End way) override { return endRequests << way, catchEnd; }
    void helpCommand(quint32 command) override { commands << command; }

private slots:
    void initTestCase();
    void init() { openMainWindow(); }
    void cleanup() { closeMainWindow(); }

protected:
    // Generous, for loaded machines: these are waits for what the program does.
    static constexpr int kWait = 30000;

    std::unique_ptr<Mrec> records;
    std::unique_ptr<Form1> form;
    QList<Message> messages;
    QList<End> endRequests;
    QList<quint32> commands;
    bool answerBoxes = true;
    bool catchEnd = true;

    void openMainWindow();
    // A modal window the test means to show (such as the record window).
    void expectModal(QWidget* window) { m_expectedModal = window; }
    // Titles of the unexpected modal windows seen so far; clears the list.
    QStringList takeUnexpected();
    void closeMainWindow();
    void tearDown();
    // Types the text into the input box and presses Enter.
    void convert(const QString& text);
    void choose(int index);

private:
    void closeUnexpectedModal();

    QTimer m_watchdog;
    QPointer<QWidget> m_expectedModal;
    QStringList m_unexpected;
};
