#include "GuiTestCase.h"

#include <QRadioButton>

void GuiTestCase::openMainWindow() {
    messages = std::make_unique<MessageLog>();
    endRequests.clear();
    ProgramEnd::setHandler([this](ProgramEnd::Way way) { endRequests << way; });
    watchdog = new ModalWatchdog(this);
    records = std::make_unique<Mrec>();
    form = std::make_unique<Form1>(*records);
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void GuiTestCase::closeMainWindow() {
    const QStringList unexpected = watchdog->takeUnexpected();
    delete watchdog;
    form.reset();
    records.reset();
    messages.reset();
    ProgramEnd::setHandler({});
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QStringLiteral(", "))));
}

void GuiTestCase::convert(const QString& text) {
    QTest::keyClicks(form->txtinput(), text);
    QTest::keyClick(form->txtinput(), Qt::Key_Return);
}

void GuiTestCase::choose(int index) {
    QTest::mouseClick(form->optconv(index), Qt::LeftButton, {}, QPoint(6, 8));
}
