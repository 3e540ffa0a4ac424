#pragma once

#include "MessageLog.h"
#include "ModalWatchdog.h"
#include "mainwindow/Form1.h"
#include "platform/ProgramEnd.h"
#include "records/Mrec.h"

#include <QLineEdit>
#include <QList>
#include <QTest>
#include <memory>

// A fresh main window for each test, with message boxes answered, end requests and
// unexpected modal windows recorded instead of acted on.
class GuiTestCase : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<Mrec> records;
    std::unique_ptr<Form1> form;
    std::unique_ptr<MessageLog> messages;
    ModalWatchdog* watchdog = nullptr;
    QList<ProgramEnd::Way> endRequests;

    void openMainWindow();
    void closeMainWindow();
    // Types the text into the input box and presses Enter.
    void convert(const QString& text);
    void choose(int index);
};
