#include "GuiTestCase.h"
#include "about_help/MopenHelpFile.h"
#include "about_help/frmabout.h"
#include "platform/HelpBrowser.h"
#include "platform/HelpViewer.h"
#include "platform/LentaroStyle.h"
#include "records/frmviewrec.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

class TestHelpAbout : public GuiTestCase {
    Q_OBJECT
private slots:
    void initTestCase() { LentaroStyle::install(*qApp); }
    void init();
    void cleanup();

    void helpSendsContentsEveryTime();
    void helpStaysInsideItsDocument();
    void unreadableHelpFileShowsAPage();
    void closingTheMainWindowQuitsTheViewer();
    void aboutIsModelessAndDiscardedOnClose();
    void programEndsWithEveryWindowOpen();

private:
    QList<quint32> commands;
};

void TestHelpAbout::init() {
    commands.clear();
    HelpViewer::setObserver([this](quint32 command) { commands << command; });
    openMainWindow();
}

void TestHelpAbout::cleanup() {
    HelpViewer::setObserver({});
    if (HelpViewer::window())
        delete HelpViewer::window();
    if (form && form->about())
        delete form->about();
    closeMainWindow();
}

void TestHelpAbout::helpSendsContentsEveryTime() {
    QAction* help = form->action(QStringLiteral("Help"));
    for (int i = 0; i < 3; ++i)
        help->trigger();
    QCOMPARE(commands, (QList<quint32>{3, 3, 3}));
    QVERIFY(HelpViewer::window());
    QVERIFY(HelpViewer::window()->isVisible());
    QVERIFY(!HelpViewer::window()->isModal());
    // The bundled document, since the fixed path does not exist here.
    const QString text = HelpViewer::window()->toPlainText();
    QVERIFY(text.contains(QStringLiteral("0.03937")));
    QVERIFY(text.contains(QStringLiteral("ความจำในการบันทึกเหลือน้อย")));
}

void TestHelpAbout::helpStaysInsideItsDocument() {
    form->action(QStringLiteral("Help"))->trigger();
    HelpBrowser* browser = HelpViewer::window();
    const QString before = browser->toHtml();
    for (const char* link : {"https://example.org/", "file:///etc/passwd", "other.html"})
        emit browser->anchorClicked(QUrl(QString::fromLatin1(link)));
    QCOMPARE(browser->toHtml(), before);
    QVERIFY(!browser
                 ->loadResource(QTextDocument::ImageResource,
                                QUrl(QStringLiteral("file:///etc/passwd")))
                 .isValid());
    QVERIFY(!browser
                 ->loadResource(QTextDocument::HtmlResource,
                                QUrl(QStringLiteral("http://example.org/x.png")))
                 .isValid());
}

void TestHelpAbout::unreadableHelpFileShowsAPage() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("NOT_THERE.HLP"));
    MopenHelpFile::WinHelpA(form->winId(), path.toLocal8Bit(), MopenHelpFile::HELP_CONTENTS, 0);
    QVERIFY(HelpViewer::window()->toPlainText().contains(QStringLiteral("cannot be opened")));
    QVERIFY(HelpViewer::window()->toPlainText().contains(path));
    QCOMPARE(messages->count(), 0);
}

void TestHelpAbout::closingTheMainWindowQuitsTheViewer() {
    form->close(); // Help never used
    QCOMPARE(commands, QList<quint32>{2});
    QCOMPARE(endRequests, QList<ProgramEnd::Way>{ProgramEnd::Way::AfterUnload});
    commands.clear();
    endRequests.clear();
    form->show();
    form->action(QStringLiteral("Help"))->trigger();
    QPointer<HelpBrowser> viewer = HelpViewer::window();
    form->close();
    QCOMPARE(commands, (QList<quint32>{3, 2}));
    QTRY_VERIFY(!viewer);
}

void TestHelpAbout::aboutIsModelessAndDiscardedOnClose() {
    QAction* about = form->action(QStringLiteral("About"));
    about->trigger();
    QPointer<frmabout> first = form->about();
    QVERIFY(!first->isModal());
    // Its pictures and Thai text come from the program's resources.
    QCOMPARE(first->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().size(), QSize(191, 80));
    QCOMPARE(first->findChild<QLabel*>(QStringLiteral("Image2"))->pixmap().size(), QSize(50, 50));
    QCOMPARE(first->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("โปรแกรม Lentaro Version 1.0"));
    for (QWidget* child : first->findChildren<QWidget*>())
        QCOMPARE(child->focusPolicy(), Qt::NoFocus);
    // Conversions go on beside it.
    choose(12);
    convert(QStringLiteral("1"));
    QCOMPARE(form->lblresult()->text(), QStringLiteral("25.4"));
    about->trigger();
    QCOMPARE(form->about(), first.data());
    first->close();
    QTRY_VERIFY(!first);
    about->trigger();
    QVERIFY(form->about());
}

void TestHelpAbout::programEndsWithEveryWindowOpen() {
    // Without a handler the request goes to the application: the event loop that
    // stands for the program's must end, though the record window refuses to close.
    form->action(QStringLiteral("About"))->trigger();
    form->action(QStringLiteral("Help"))->trigger();
    form->action(QStringLiteral("View Record"))->trigger();
    watchdog->expect(form->viewrec());
    ProgramEnd::setHandler({});
    QEventLoop program;
    QTimer::singleShot(0, form.get(), [this] { form->close(); });
    QTimer::singleShot(5000, &program, [&program] { program.exit(1); });
    QCOMPARE(program.exec(), 0);
    QCOMPARE(commands, (QList<quint32>{3, 2}));
    QVERIFY(!HelpViewer::window() || !HelpViewer::window()->isVisible());
}

QTEST_MAIN(TestHelpAbout)
#include "tst_helpabout.moc"
