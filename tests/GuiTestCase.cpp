// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiTestCase.h"

#include "about_help/frmabout.h"
#include "platform/HelpBrowser.h"
#include "platform/HelpViewer.h"
#include "platform/LentaroStyle.h"

#include <QApplication>
#include <QDialog>
#include <QRadioButton>

void GuiTestCase::initTestCase() {
    LentaroStyle::install(*qApp);
}

void GuiTestCase::openMainWindow() {
    tearDown();
    StandIn::set(this);
    connect(&m_watchdog, &QTimer::timeout, this, &GuiTestCase::closeUnexpectedModal,
            Qt::UniqueConnection);
    m_watchdog.start(20);
    records = std::make_unique<Mrec>();
    form = std::make_unique<Form1>(*records);
    form->show();
    // Proves the fixture: a set-up that fails must be reported, not crash what follows.
    static bool failOnce = qEnvironmentVariableIsSet("LENTARO_TEST_FAIL_SETUP");
    QVERIFY2(!std::exchange(failOnce, false), "set-up failed on purpose");
    QVERIFY(QTest::qWaitForWindowActive(form.get(), kWait));
}

void GuiTestCase::closeMainWindow() {
    const QStringList unexpected = takeUnexpected();
    tearDown();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QStringLiteral(", "))));
}

void GuiTestCase::tearDown() {
    delete HelpViewer::window();
    if (form)
        delete form->about();
    form.reset();
    records.reset();
    m_watchdog.stop();
    m_expectedModal.clear();
    StandIn::set(nullptr);
    answerBoxes = catchEnd = true;
    messages.clear();
    endRequests.clear();
    commands.clear();
}

void GuiTestCase::convert(const QString& text) {
    QTest::keyClicks(form->txtinput(), text);
    QTest::keyClick(form->txtinput(), Qt::Key_Return);
}

void GuiTestCase::choose(int index) {
    QTest::mouseClick(form->optconv(index), Qt::LeftButton, {}, QPoint(6, 8));
}

QStringList GuiTestCase::takeUnexpected() {
    closeUnexpectedModal();
    return std::exchange(m_unexpected, {});
}

void GuiTestCase::closeUnexpectedModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == m_expectedModal)
        return;
    m_unexpected
        << QStringLiteral("%1 \"%2\"").arg(modal->metaObject()->className(), modal->windowTitle());
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->hide();
}
