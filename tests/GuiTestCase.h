// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/Form1.h"
#include "platform/MessageBox.h"
#include "platform/ProgramEnd.h"
#include "records/Mrec.h"

#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

// A fresh main window for each test, with message boxes answered, end requests and help
// viewer commands recorded instead of acted on; a watchdog closes and records any modal
// window the test did not expect, nested event loops included, so that a test fails
// instead of hanging. Safe whatever fails: the window always goes before the record
// memory it refers to, and a set-up left half done by a failed check is torn down by
// the next one.
class GuiTestCase : public QObject {
    Q_OBJECT
public:
    ~GuiTestCase() override { tearDown(); }

private slots:
    void initTestCase();
    void init() { openMainWindow(); }
    void cleanup() { closeMainWindow(); }

protected:
    // Generous, for loaded machines: these are waits for what the program does.
    static constexpr int kWait = 30000;

    std::unique_ptr<Mrec> records;
    std::unique_ptr<Form1> form;
    QList<MessageBox::Shown> messages;
    QList<ProgramEnd::Way> endRequests;
    QList<quint32> commands;

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
