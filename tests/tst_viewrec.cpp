#include "GuiTestCase.h"
#include "platform/LentaroStyle.h"
#include "records/RecordListView.h"
#include "records/frmviewrec.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

class TestViewRec : public GuiTestCase {
    Q_OBJECT
private slots:
    void initTestCase() { LentaroStyle::install(*qApp); }
    void init() { openMainWindow(); }
    void cleanup() { closeMainWindow(); }

    void windowAsDrawn();
    void linesRecordedWhileHiddenAppear();
    void memoryLabel_data();
    void memoryLabel();
    void clearRecordRefreshesNumberAndColour();
    void clearingFromTheMainMenuEmptiesTheList();
    void closeRequestsAreRefused();
    void exitEndsTheModalShowing_data();
    void exitEndsTheModalShowing();
    void copiesSelectedLines();

private:
    frmviewrec* open();
    void fill(int conversions);
};

frmviewrec* TestViewRec::open() {
    form->action(QStringLiteral("View Record"))->trigger();
    frmviewrec* window = form->viewrec();
    watchdog->expect(window);
    if (window && !QTest::qWaitFor([window] { return window->isVisible(); }))
        return nullptr;
    return window;
}

void TestViewRec::fill(int conversions) {
    for (int i = 0; i < conversions; ++i)
        convert(QString::number(i));
    messages->take();
}

void TestViewRec::windowAsDrawn() {
    frmviewrec* window = open();
    QCOMPARE(window->size(), QSize(321, 275));
    QCOMPARE(window->lstrec()->geometry(), QRect(8, 8, 305, 224));
    QCOMPARE(window->lblmem()->geometry(), QRect(72, 240, 41, 25));
    QCOMPARE(window->cmdexit()->geometry(), QRect(240, 240, 73, 25));
    QCOMPARE(window->cmdclear()->text(), QStringLiteral("Clear Record"));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Memory ->"));
    // Centred over the main window.
    const QPoint offset = window->frameGeometry().center() - form->frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    // Created once, then hidden and shown.
    window->cmdexit()->click();
    QCOMPARE(open(), window);
}

void TestViewRec::linesRecordedWhileHiddenAppear() {
    choose(11);
    convert(QStringLiteral("1"));
    frmviewrec* window = open();
    window->cmdexit()->click();
    convert(QStringLiteral("2"));
    convert(QStringLiteral(" 3 "));
    open();
    const QAbstractItemModel* model = window->lstrec()->model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("1\t1\t2.54"));
    QCOMPARE(model->index(2, 0).data().toString(), QStringLiteral("3\t 3 \t7.62"));
}

void TestViewRec::memoryLabel_data() {
    QTest::addColumn<int>("conversions");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("255") << 0 << "255" << QColor(Qt::black);
    QTest::newRow("11") << 244 << "11" << QColor(Qt::black);
    QTest::newRow("10") << 245 << "10" << QColor(Qt::red);
    QTest::newRow("0") << 255 << "0" << QColor(Qt::red); // a whole fill, shown
}

void TestViewRec::memoryLabel() {
    QFETCH(int, conversions);
    QFETCH(QString, shown);
    QFETCH(QColor, colour);
    fill(conversions);
    frmviewrec* window = open();
    QCOMPARE(window->lblmem()->text(), shown);
    QCOMPARE(window->lblmem()->palette().color(QPalette::WindowText), colour);
    QCOMPARE(window->lstrec()->model()->rowCount(), conversions);
}

void TestViewRec::clearRecordRefreshesNumberAndColour() {
    fill(250);
    frmviewrec* window = open();
    QCOMPARE(window->lblmem()->text(), QStringLiteral("5"));
    QTest::mouseClick(window->cmdclear(), Qt::LeftButton);
    QCOMPARE(window->lblmem()->text(), QStringLiteral("255"));
    QCOMPARE(window->lblmem()->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(window->lstrec()->model()->rowCount(), 0);
    QCOMPARE(records->memleft(), 255);
    QCOMPARE(messages->count(), 0);
}

void TestViewRec::clearingFromTheMainMenuEmptiesTheList() {
    fill(3);
    frmviewrec* window = open();
    window->cmdexit()->click();
    form->action(QStringLiteral("Clear Record"))->trigger();
    QCOMPARE(window->lstrec()->model()->rowCount(), 0);
    open();
    QCOMPARE(window->lblmem()->text(), QStringLiteral("255"));
}

void TestViewRec::closeRequestsAreRefused() {
    frmviewrec* window = open();
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    window->windowHandle()->close(); // as the close box does
    QVERIFY(window->isVisible());
    QTest::keyClick(window, Qt::Key_Escape);
    QTest::keyClick(window, Qt::Key_F4, Qt::AltModifier);
    QVERIFY(window->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), window);
    window->cmdexit()->click();
}

void TestViewRec::exitEndsTheModalShowing_data() {
    QTest::addColumn<bool>("byAccessKey");
    QTest::newRow("button") << false;
    QTest::newRow("alt+e") << true;
}

void TestViewRec::exitEndsTheModalShowing() {
    QFETCH(bool, byAccessKey);
    frmviewrec* window = open();
    QCOMPARE(QApplication::activeModalWidget(), window);
    QTRY_COMPARE(QApplication::activeWindow(), window);
    if (byAccessKey)
        QTest::keyClick(window->lstrec(), Qt::Key_E, Qt::AltModifier);
    else
        QTest::mouseClick(window->cmdexit(), Qt::LeftButton);
    QTRY_VERIFY(!window->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(form->viewrec()); // hidden, not destroyed
}

void TestViewRec::copiesSelectedLines() {
    choose(12);
    for (const char* v : {"1", "2", "3"})
        convert(QString::fromLatin1(v));
    frmviewrec* window = open();
    RecordListView* list = window->lstrec();
    list->setFocus();
    list->selectionModel()->select(list->model()->index(2, 0), QItemSelectionModel::Select);
    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1\t1\t25.4\n3\t3\t76.2\n"));
}

QTEST_MAIN(TestViewRec)
#include "tst_viewrec.moc"
