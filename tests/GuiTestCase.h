// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about_help/frmabout.h"
#include "mainwindow/Form1.h"
#include "platform/desktop/Language.h"
#include "platform/desktop/LentaroStyle.h"
#include "platform/forms/StandIn.h"
#include "platform/help/HelpBrowser.h"
#include "platform/help/HelpViewer.h"
#include "records/Mrec.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

// Waits as long as a loaded machine may need for what the program does.
#define TRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, GuiTestCase::kWait)
#define TRY_COMPARE(a, b) QTRY_COMPARE_WITH_TIMEOUT(a, b, GuiTestCase::kWait)

// A fresh main window for each test, standing in for the desktop: message boxes answered,
// end requests and help viewer commands recorded instead of acted on. A watchdog closes
// and records any modal window the test did not expect, nested event loops included, so
// that a test fails instead of hanging. Safe whatever fails: the window always goes before
// the record memory it refers to, and a set-up left half done is torn down by the next.
class GuiTestCase : public QObject, public StandIn {
    Q_OBJECT
public:
    ~GuiTestCase() override { tearDown(); }

    bool message(const Message& box) override { // as "title: text !" (exclamation) or " i"
        messages << box.title + ": " + box.text +
                        (box.style == MessageStyle::Exclamation ? " !" : " i");
        return answerBoxes;
    }
    bool end(End way) override { return endRequests << way, catchEnd; }
    void helpCommand(quint32 command) override { commands << command; }

private slots:
    void
    initTestCase() { // in the user's language, as the program speaks: the suite runs in Thai too
        QApplication::installTranslator(&language);
        LentaroStyle::install(*qApp);
    }
    void init() { openMainWindow(); }
    void cleanup() {
        closeUnexpectedModal();
        const QStringList unexpected = std::exchange(m_unexpected, {});
        tearDown();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QStringLiteral(", "))));
    }

public:
    static constexpr int kWait = 30000;
    static inline const QString kOverflow = "Lentaro: Overflow: the number is too large. Lentaro "
                                            "takes values up to about 3.4 x 10^38. !";

    // What the user reads of an English text the checks name, numbers and all: in Thai, as
    // written here apart from the program's translation.
    static QString said(const QString& english) {
        static const bool thai = QLocale::system().uiLanguages().value(0).startsWith("th");
        static const QHash<QString, QString> th{
            {"Result", "ผลลัพธ์"},
            {"Lentaro Help", "วิธีใช้ Lentaro"},
            {"โปรแกรม Lentaro Version 1.0", "โปรแกรม Lentaro รุ่น 1.0"},
            {"Memory ->", "ความจำ ->"},
            {"252 of 255 record slots left", "เหลือที่บันทึก 252 จาก 255 ช่อง"},
            {"Memory: 252 of 255 record slots left", "ความจำ: เหลือที่บันทึก 252 จาก 255 ช่อง"},
            {"Not pasted: more than 12 characters", "ไม่ได้วาง: ยาวเกิน 12 ตัวอักษร"},
            {kOverflow, "Lentaro: ตัวเลขล้น: ตัวเลขมากเกินไป Lentaro รับค่าได้ถึงประมาณ 3.4 x 10^38 !"}};
        return thai ? th.value(english, english) : english;
    }

protected:
    std::unique_ptr<Mrec> records;
    std::unique_ptr<Form1> form;
    QStringList messages;
    QList<End> endRequests;
    QList<quint32> commands;
    bool answerBoxes = true;
    bool catchEnd = true;
    QPointer<QWidget> m_expectedModal; // a modal window the test means to show
    Language language;

    void openMainWindow() {
        tearDown();
        StandIn::set(this);
        connect(&m_watchdog, &QTimer::timeout, this, &GuiTestCase::closeUnexpectedModal,
                Qt::UniqueConnection);
        m_watchdog.start(20);
        records = std::make_unique<Mrec>(), form = std::make_unique<Form1>(*records);
        form->show();
        // Proves the fixture: a set-up that fails must be reported, not crash what follows.
        static bool failOnce = qEnvironmentVariableIsSet("LENTARO_TEST_FAIL_SETUP");
        QVERIFY2(!std::exchange(failOnce, false), "set-up failed on purpose");
        QVERIFY(QTest::qWaitForWindowActive(form.get(), kWait));
    }
    // A modal window the test means to show (such as the record window).
    void tearDown() {
        delete HelpViewer::window();
        if (form)
            delete form->about();
        form.reset(), records.reset(), m_watchdog.stop(), m_expectedModal.clear();
        StandIn::set(nullptr), answerBoxes = catchEnd = true;
        messages = {}, endRequests = {}, commands = {};
    }
    // Types the text into the input box and presses Enter.
    void convert(const QString& text) { QTest::keyClicks(form->txtinput(), text + '\r'); }
    void choose(int i) { QTest::mouseClick(form->optconv(i), Qt::LeftButton, {}, QPoint(6, 8)); }

private:
    void closeUnexpectedModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == m_expectedModal || (!answerBoxes && modal->inherits("QMessageBox")))
            return; // expected, or a message box the test answers itself
        m_unexpected << QStringLiteral("%1 \"%2\"")
                            .arg(modal->metaObject()->className(), modal->windowTitle());
        modal->inherits("QDialog") ? static_cast<QDialog*>(modal)->reject() : modal->hide();
    }

    QTimer m_watchdog;
    QStringList m_unexpected;
};
