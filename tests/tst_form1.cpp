#include "GuiTestCase.h"
#include "platform/HelpViewer.h"
#include "platform/LentaroStyle.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

class TestForm1 : public GuiTestCase {
    Q_OBJECT
private slots:
    void initTestCase() { LentaroStyle::install(*qApp); }
    void init() { openMainWindow(); }
    void cleanup() { closeMainWindow(); }

    void startState();
    void layout_data();
    void layout();
    void resizingMovesNothing();
    void tabOrder();
    void convertByKeyboardOrMouse_data();
    void convertByKeyboardOrMouse();
    void choosingKeepsTheShownResult();
    void keyboardWalksTheGrid();
    void clearEmptiesOnlyTheInput();
    void clearRecordWhileFull();
    void failuresAreReportedAndChangeNothing_data();
    void failuresAreReportedAndChangeNothing();
    void inputRefusesTabsAndLineBreaks();
    void exitEndsAtOnce_data();
    void exitEndsAtOnce();
    void screenReaderNames();
    void unexpectedMessageBoxFailsInsteadOfHanging();
};

void TestForm1::startState() {
    QVERIFY(!form->windowIcon().isNull());
    QCOMPARE(form->lblresult()->text(), QStringLiteral("0"));
    QCOMPARE(form->lblunit()->text(), QString());
    QCOMPARE(form->txtinput()->text(), QString());
    QVERIFY(form->optconv(1)->isChecked());
    QCOMPARE(form->convindex, 1);
    QTRY_VERIFY(form->txtinput()->hasFocus());
    QCOMPARE(records->memleft(), 255);
    QCOMPARE(form->centralWidget()->size(), QSize(353, 325));
}

void TestForm1::layout_data() {
    // Pixel rectangles (at 15 twips a pixel) relative to each control's container.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("lblresult") << "lblresult" << QRect(8, 16, 287, 37);
    QTest::newRow("Frame1") << "Frame1" << QRect(8, 64, 337, 169);
    QTest::newRow("optconv(1)") << "optconv(1)" << QRect(24, 32, 81, 17);
    QTest::newRow("optconv(9)") << "optconv(9)" << QRect(240, 96, 73, 17);
    QTest::newRow("txtinput") << "txtinput" << QRect(24, 32, 105, 25);
    QTest::newRow("cmdresult") << "cmdresult" << QRect(232, 24, 89, 33);
}

void TestForm1::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    auto* widget = form->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
}

void TestForm1::resizingMovesNothing() {
    const QRect before = form->cmdresult()->geometry();
    const QPoint place = form->lblresult()->mapTo(form.get(), QPoint());
    form->resize(form->width() + 200, form->height() + 150);
    QTRY_COMPARE(form->width(), 353 + 200);
    QCOMPARE(form->cmdresult()->geometry(), before);
    QCOMPARE(form->lblresult()->mapTo(form.get(), QPoint()), place);
}

void TestForm1::tabOrder() {
    // The whole chain, as the form orders it...
    const QStringList chain{"optconv(1)",  "optconv(2)",  "optconv(8)", "optconv(4)",
                            "optconv(5)",  "optconv(7)",  "cmdresult",  "cmdclear",
                            "txtinput",    "optconv(3)",  "optconv(6)", "optconv(9)",
                            "optconv(10)", "optconv(11)", "optconv(12)"};
    QStringList seen;
    QWidget* w = form->optconv(1);
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            seen << w->objectName();
        w = w->nextInFocusChain();
    } while (w != form->optconv(1));
    QCOMPARE(seen, chain);

    // ...of which Tab visits the chosen option only, as option groups do.
    choose(8);
    form->optconv(8)->setFocus();
    const QStringList cycle{"optconv(8)", "cmdresult", "cmdclear", "txtinput", "optconv(8)"};
    seen = QStringList{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, cycle);
}

void TestForm1::convertByKeyboardOrMouse_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("how"); // 0 Enter, 1 keypad Enter, 2 Result button, 3 Space on Result
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("unit");
    QTest::newRow("enter") << 12 << "1" << 0 << "25.4"
                           << "mm";
    QTest::newRow("keypad enter") << 11 << "-2" << 1 << "-5.08"
                                  << "cm";
    QTest::newRow("result button") << 4 << "123.456" << 2 << "4.8604627"
                                   << "inch";
    QTest::newRow("space on result") << 9 << "15" << 3 << "5905.512"
                                     << "mil";
    QTest::newRow("letters") << 3 << "abc" << 0 << "0"
                             << "mm";
    QTest::newRow("infinite product") << 10 << "1e36" << 0 << "Infinity"
                                      << "mil";
}

void TestForm1::convertByKeyboardOrMouse() {
    QFETCH(int, index);
    QFETCH(QString, input);
    QFETCH(int, how);
    QFETCH(QString, result);
    QFETCH(QString, unit);
    choose(index);
    QCOMPARE(form->convindex, index);
    QVERIFY(form->txtinput()->hasFocus());
    QTest::keyClicks(form->txtinput(), input);
    switch (how) {
    case 0:
        QTest::keyClick(form->txtinput(), Qt::Key_Return);
        break;
    case 1:
        QTest::keyClick(form->txtinput(), Qt::Key_Enter, Qt::KeypadModifier);
        break;
    case 2:
        QTest::mouseClick(form->cmdresult(), Qt::LeftButton);
        break;
    default:
        form->cmdresult()->setFocus();
        QTest::keyClick(form->cmdresult(), Qt::Key_Space);
    }
    QCOMPARE(form->lblresult()->text(), result);
    QCOMPARE(form->lblunit()->text(), unit);
    QCOMPARE(form->txtinput()->text(), QString());
    QVERIFY(form->txtinput()->hasFocus());
    QCOMPARE(records->lines(), QStringList{QStringLiteral("1\t%1\t%2").arg(input, result)});
    QCOMPARE(messages->count(), 0);
}

void TestForm1::choosingKeepsTheShownResult() {
    choose(12);
    convert(QStringLiteral("2"));
    form->cmdclear()->setFocus();
    choose(5);
    QCOMPARE(form->convindex, 5);
    QVERIFY(form->txtinput()->hasFocus());
    QCOMPARE(form->lblresult()->text(), QStringLiteral("50.8"));
    QCOMPARE(form->lblunit()->text(), QStringLiteral("mm"));
}

void TestForm1::keyboardWalksTheGrid() {
    form->optconv(5)->setFocus();
    const QList<std::pair<Qt::Key, int>> steps{{Qt::Key_Right, 6}, {Qt::Key_Right, 7},
                                               {Qt::Key_Down, 10}, {Qt::Key_Down, 10},
                                               {Qt::Key_Left, 9},  {Qt::Key_Up, 6}};
    for (const auto& [key, index] : steps) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(form->convindex, index);
        QCOMPARE(QApplication::focusWidget(), form->optconv(index));
        QVERIFY(form->optconv(index)->isChecked());
    }
    QCOMPARE(form->lblresult()->text(), QStringLiteral("0"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(form->convindex, 6);
    QVERIFY(form->txtinput()->hasFocus());
}

void TestForm1::clearEmptiesOnlyTheInput() {
    choose(8);
    convert(QStringLiteral("3"));
    QTest::keyClicks(form->txtinput(), QStringLiteral("77"));
    QTest::mouseClick(form->cmdclear(), Qt::LeftButton);
    QCOMPARE(form->txtinput()->text(), QString());
    QCOMPARE(form->lblresult()->text(), QStringLiteral("30"));
    QCOMPARE(form->lblunit()->text(), QStringLiteral("mm"));
    QCOMPARE(form->convindex, 8);
    QCOMPARE(records->lines().size(), 1);
    // Result on the emptied box converts 0 and records it.
    QTest::mouseClick(form->cmdresult(), Qt::LeftButton);
    QCOMPARE(records->lines().last(), QStringLiteral("2\t\t0"));
}

void TestForm1::clearRecordWhileFull() {
    for (int i = 0; i < 256; ++i)
        convert(QString::number(i));
    QCOMPARE(records->memleft(), 0);
    QCOMPARE(messages->count(), 2); // the notice, then the first warning
    QCOMPARE(messages->last().owner.data(), form.get());
    form->action(QStringLiteral("Clear Record"))->trigger();
    QCOMPARE(messages->count(), 2);
    QCOMPARE(records->memleft(), 255);
    convert(QStringLiteral("4"));
    QCOMPARE(records->lines(), QStringList{QStringLiteral("1\t4\t0.004")});
}

void TestForm1::failuresAreReportedAndChangeNothing_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("message");
    QTest::newRow("overflow") << 11 << "1E39"
                              << "Overflow";
    QTest::newRow("beyond double") << 2 << "-1E400"
                                   << "Overflow";
    QTest::newRow("nothing chosen") << 0 << "5"
                                    << "Choose a conversion first.";
}

void TestForm1::failuresAreReportedAndChangeNothing() {
    QFETCH(int, index);
    QFETCH(QString, input);
    QFETCH(QString, message);
    choose(11);
    convert(QStringLiteral("2"));
    form->convindex = static_cast<std::uint8_t>(index);
    convert(input);
    QCOMPARE(messages->count(), 1);
    QCOMPARE(messages->last().text, message);
    QCOMPARE(messages->last().title, QStringLiteral("Lentaro"));
    QCOMPARE(messages->last().style, MessageStyle::Exclamation);
    QCOMPARE(messages->last().owner.data(), form.get());
    QCOMPARE(form->lblresult()->text(), QStringLiteral("5.08"));
    QCOMPARE(form->lblunit()->text(), QStringLiteral("cm"));
    QCOMPARE(form->txtinput()->text(), input);
    QCOMPARE(records->lines().size(), 1);
    QCOMPARE(records->memleft(), 254);
    // The program carries on.
    form->convindex = 11;
    form->txtinput()->clear();
    convert(QStringLiteral("1"));
    QCOMPARE(form->lblresult()->text(), QStringLiteral("2.54"));
}

void TestForm1::inputRefusesTabsAndLineBreaks() {
    QApplication::clipboard()->setText(QStringLiteral("1\t2\r\n3"));
    QTest::keyClick(form->txtinput(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form->txtinput()->text(), QStringLiteral("123"));
    form->txtinput()->insert(QStringLiteral("\n4"));
    QCOMPARE(form->txtinput()->text(), QStringLiteral("1234"));
    QTest::keyClicks(form->txtinput(), QStringLiteral("567890123"));
    QCOMPARE(form->txtinput()->text(), QStringLiteral("123456789012")); // at most 12
}

void TestForm1::exitEndsAtOnce_data() {
    QTest::addColumn<bool>("byShortcut");
    QTest::newRow("menu") << false;
    QTest::newRow("ctrl+x in the input") << true;
}

void TestForm1::exitEndsAtOnce() {
    QFETCH(bool, byShortcut);
    QList<quint32> viewer;
    HelpViewer::setObserver([&](quint32 command) { viewer << command; });
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::keyClicks(form->txtinput(), QStringLiteral("42"));
    form->txtinput()->selectAll();
    if (byShortcut)
        QTest::keyClick(form->txtinput(), Qt::Key_X, Qt::ControlModifier);
    else
        form->action(QStringLiteral("Exit"))->trigger();
    HelpViewer::setObserver({});
    QCOMPARE(endRequests, QList<ProgramEnd::Way>{ProgramEnd::Way::Immediate});
    QVERIFY(viewer.isEmpty()); // no unload step
    QCOMPARE(form->txtinput()->text(), QStringLiteral("42"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
}

void TestForm1::screenReaderNames() {
    choose(12);
    convert(QStringLiteral("1"));
    const auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    const auto description = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    };
    QCOMPARE(name(form->lblresult()), QStringLiteral("25.4"));
    QCOMPARE(description(form->lblresult()), QStringLiteral("Result"));
    QCOMPARE(name(form->lblunit()), QStringLiteral("mm"));
    QCOMPARE(description(form->lblunit()), QStringLiteral("Unit"));
    QCOMPARE(name(form->txtinput()), QStringLiteral("Insert Value"));
    QCOMPARE(description(form->txtinput()), QStringLiteral("Value to convert"));
    QCOMPARE(name(form->optconv(7)), QStringLiteral("CM -> INCH"));
    // The result can be copied, but is not a tab stop.
    QVERIFY(form->lblresult()->textInteractionFlags() & Qt::TextSelectableByMouse);
    QVERIFY(!(form->lblresult()->focusPolicy() & Qt::TabFocus));
}

void TestForm1::unexpectedMessageBoxFailsInsteadOfHanging() {
    // With no answerer a real, modal box opens; the watchdog must close and report it.
    messages.reset();
    form->convindex = 0;
    convert(QStringLiteral("5"));
    QCOMPARE(watchdog->takeUnexpected(), QStringList{QStringLiteral("QMessageBox \"Lentaro\"")});
    messages = std::make_unique<MessageLog>();
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
