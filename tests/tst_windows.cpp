// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiTestCase.h"
#include "Row.h"
#include "about_help/frmabout.h"
#include "platform/HelpBrowser.h"
#include "platform/HelpViewer.h"
#include "records/RecordListView.h"
#include "records/frmviewrec.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

// The main window, driven by keyboard and mouse, and the windows it opens: the record,
// the help viewer and About.
class TestWindows : public GuiTestCase {
    Q_OBJECT
private slots:
    void scenario_data();
    void scenario();
    void layout_data();
    void layout();
    void captionsFit();
    void tabOrder();
    void unexpectedMessageBoxFailsInsteadOfHanging();
    void windowAsDrawn();
    void memory_data();
    void memory();
    void exitEndsTheModalShowing_data();
    void exitEndsTheModalShowing();
    void copiesSelectedLines();
    void help_data();
    void help();
    void closingTheMainWindowQuitsTheViewer();
    void aboutIsModelessAndDiscardedOnClose();
    void programEndsWithEveryWindowOpen();

private:
    void play(const QString& step);
    frmviewrec* open();
};

void TestWindows::play(const QString& step) {
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
    QLineEdit* input = form->txtinput();
    const QMap<QString, Qt::Key> keys{{"Right", Qt::Key_Right}, {"Left", Qt::Key_Left},
                                      {"Up", Qt::Key_Up},       {"Down", Qt::Key_Down},
                                      {"Space", Qt::Key_Space}, {"Enter", Qt::Key_Return},
                                      {"Tab", Qt::Key_Tab}};
    if (step.startsWith(QLatin1String("t:"))) {
        QTest::keyClicks(input, step.mid(2));
    } else if (step.startsWith(QLatin1String("fill:"))) {
        for (int i = 0, n = step.mid(5).toInt(); i < n; ++i)
            convert(QString::number(i));
    } else if (step.startsWith(QLatin1Char('o'))) { // click an option
        choose(step.mid(1).toInt());
    } else if (step.startsWith(QLatin1Char('f'))) { // focus an option
        form->optconv(step.mid(1).toInt())->setFocus();
    } else if (keys.contains(step)) {
        QTest::keyClick(focus, keys[step]);
    } else if (step == QLatin1String("KeypadEnter")) {
        QTest::keyClick(input, Qt::Key_Enter, Qt::KeypadModifier);
    } else if (step == QLatin1String("Result") || step == QLatin1String("Clear")) {
        QTest::mouseClick(step == QLatin1String("Result") ? form->cmdresult() : form->cmdclear(),
                          Qt::LeftButton);
    } else if (step == QLatin1String("Paste")) {
        QApplication::clipboard()->setText(QStringLiteral("1\t2\r\n3"));
        QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
    } else if (step == QLatin1String("Ctrl+X")) {
        QApplication::clipboard()->setText(QStringLiteral("kept"));
        input->selectAll();
        QTest::keyClick(input, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
    } else if (step.startsWith(QLatin1String("index:"))) {
        form->convindex = static_cast<std::uint8_t>(step.mid(6).toInt());
    } else if (step.startsWith(QLatin1String("menu:"))) {
        QAction* command = form->action(step.mid(5).replace(QLatin1Char('_'), QLatin1Char(' ')));
        QVERIFY2(command, qPrintable(step));
        command->trigger();
    } else {
        QFAIL(qPrintable("no such step: " + step));
    }
}

namespace {
void scene(const char* name, const char* steps, const char* state, const char* record = "",
           const char* boxes = "") {
    QTest::newRow(name) << steps << state << record << boxes;
}
} // namespace

void TestWindows::scenario_data() {
    // Steps: oN click option N, fN focus option N, t:TEXT type, a key name, a button,
    // fill:N convert N times, menu:NAME, index:N. Then the state the window must be in
    // (result|unit|input|conversion|focus|end requests), the record's lines and the
    // boxes shown.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("boxes");
    const char* overflow = "Lentaro: Overflow !";
    const char* none = "Lentaro: Choose a conversion first. !";
    scene("start", "", "0|||1|txtinput|0");
    scene("enter", "o12 t:1 Enter", "25.4|mm||12|txtinput|0", "1\t1\t25.4");
    scene("keypad enter", "o11 t:-2 KeypadEnter", "-5.08|cm||11|txtinput|0", "1\t-2\t-5.08");
    scene("result button", "o4 t:123.456 Result", "4.8604627|inch||4|txtinput|0",
          "1\t123.456\t4.8604627");
    scene("choosing keeps the result", "o12 t:2 Enter Clear o5", "50.8|mm||5|txtinput|0",
          "1\t2\t50.8");
    scene("clear empties only the input", "o8 t:3 Enter t:77 Clear", "30|mm||8|cmdclear|0",
          "1\t3\t30");
    scene("result on an empty box", "o3 t:abc Enter Result", "0|mm||3|txtinput|0",
          "1\tabc\t0|2\t\t0");
    scene("arrows walk the grid", "f5 Right Right Down Down Left Up", "0|||6|optconv(6)|0");
    scene("tab visits the chosen option only", "o8 f8 Tab Tab Tab Tab", "0|||8|optconv(8)|0");
    scene("space goes on to the input", "f7 Down Space", "0|||10|txtinput|0");
    scene("overflow", "o11 t:2 Enter t:1E39 Enter", "5.08|cm|1E39|11|txtinput|0", "1\t2\t5.08",
          overflow);
    scene("beyond double", "o11 t:2 Enter o2 t:-1E400 Enter", "5.08|cm|-1E400|2|txtinput|0",
          "1\t2\t5.08", overflow);
    scene("overflow before choosing", "index:0 t:1E39 Enter", "0||1E39|0|txtinput|0", "", overflow);
    scene("nothing chosen", "index:0 t:5 Enter", "0||5|0|txtinput|0", "", none);
    scene("past the table", "index:13 t:5 Enter", "0||5|13|txtinput|0", "", none);
    scene("no tabs, line breaks or more than 12", "Paste t:4567890123",
          "0||123456789012|1|txtinput|0");
    scene("clear record while full", "o1 fill:256 menu:Clear_Record t:4 Enter",
          "0.004|Inch||1|txtinput|0", "1\t4\t0.004",
          "Alart !! : ความจำในการบันทึกเหลือน้อย i|"
          "Alart !! : ความจำในการบันทึกหมดแล้วจากนี้ไปจะไม่ทำการบันทึก !! !");
    scene("exit", "t:42 menu:Exit", "0||42|1|txtinput|1");
    scene("ctrl+x ends, not cuts", "t:42 Ctrl+X", "0||42|1|txtinput|1");
}

void TestWindows::scenario() {
    QFETCH(QString, steps);
    QFETCH(QString, state);
    QFETCH(QString, record);
    QFETCH(QString, boxes);
    for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        play(step);
        if (QTest::currentTestFailed())
            return;
    }
    QWidget* focus = QApplication::focusWidget();
    QCOMPARE(
        QStringList({form->lblresult()->text(), form->lblunit()->text(), form->txtinput()->text(),
                     QString::number(form->convindex), focus ? focus->objectName() : QString(),
                     QString::number(endRequests.count(ProgramEnd::Way::Immediate))})
            .join(QLatin1Char('|')),
        state);
    QCOMPARE(records->lines().join(QLatin1Char('|')), record);
    QStringList seen;
    for (const MessageBox::Shown& box : messages) {
        QCOMPARE(box.owner.data(), form.get());
        seen << box.title + ": " + box.text +
                    (box.style == MessageStyle::Exclamation ? QStringLiteral(" !") : " i");
    }
    QCOMPARE(seen.join(QLatin1Char('|')), boxes);
}

void TestWindows::layout_data() {
    // Pixel rectangles (at 15 twips a pixel) relative to each control's container, and
    // what a screen reader says of the control.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("spoken");
    row("lblresult", "lblresult", QRect(8, 16, 287, 37), "0, Result");
    row("lblunit", "lblunit", QRect(304, 16, 39, 37), ", Unit");
    row("Frame1", "Frame1", QRect(8, 64, 337, 169), "Convert , ");
    row("optconv(1)", "optconv(1)", QRect(24, 32, 81, 17), "MIL -> INCH , ");
    row("optconv(4)", "optconv(4)", QRect(24, 64, 81, 17), "MM -> INCH , ");
    row("optconv(9)", "optconv(9)", QRect(240, 96, 73, 17), "CM -> MIL, ");
    row("txtinput", "txtinput", QRect(24, 32, 105, 25), "Insert Value, Value to convert");
    row("cmdresult", "cmdresult", QRect(232, 24, 89, 33), "Result, ");
}

void TestWindows::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, spoken);
    auto* widget = form->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(widget);
    QCOMPARE(a11y->text(QAccessible::Name) + ", " + a11y->text(QAccessible::Description), spoken);
}

void TestWindows::captionsFit() {
    // The grid is drawn for the dialog font's widths; with the face that stands in for
    // it, no caption may be cut off.
    QCOMPARE(form->centralWidget()->size(), QSize(353, 325));
    for (const QRadioButton* option : form->findChildren<QRadioButton*>()) {
        const QStyle* style = option->style();
        const int drawn = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                          style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) +
                          option->fontMetrics().horizontalAdvance(option->text().trimmed());
        QVERIFY2(drawn <= option->width(), qPrintable(option->text()));
    }
}

void TestWindows::tabOrder() {
    // The whole chain, as the form orders it; Tab visits the chosen option of it only.
    const QStringList chain{"optconv(1)",  "optconv(2)",  "optconv(8)", "optconv(4)",
                            "optconv(5)",  "optconv(7)",  "cmdresult",  "cmdclear",
                            "txtinput",    "optconv(3)",  "optconv(6)", "optconv(9)",
                            "optconv(10)", "optconv(11)", "optconv(12)"};
    QStringList seen;
    for (QWidget* w = form->optconv(1); seen.size() < 40; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            seen << w->objectName();
        if (w->nextInFocusChain() == form->optconv(1))
            break;
    }
    QCOMPARE(seen, chain);
}

void TestWindows::unexpectedMessageBoxFailsInsteadOfHanging() {
    // With no answerer a real, modal box opens; the watchdog must close and report it.
    MessageBox::setAnswerer({});
    form->convindex = 0;
    convert(QStringLiteral("5"));
    QCOMPARE(takeUnexpected(), QStringList{QStringLiteral("QMessageBox \"Lentaro\"")});
}

frmviewrec* TestWindows::open() {
    form->action(QStringLiteral("View Record"))->trigger();
    frmviewrec* window = form->viewrec();
    expectModal(window);
    if (!window || !QTest::qWaitForWindowExposed(window, kWait))
        return nullptr;
    return window;
}

void TestWindows::windowAsDrawn() {
    frmviewrec* window = open();
    QVERIFY(window);
    QCOMPARE(window->size(), QSize(321, 275));
    QCOMPARE(window->lstrec()->geometry(), QRect(8, 8, 305, 224));
    QCOMPARE(window->lblmem()->geometry(), QRect(72, 240, 41, 25));
    QCOMPARE(window->cmdexit()->geometry(), QRect(240, 240, 73, 25));
    // Centred over the main window, once the window manager has framed it.
    const auto offset = [&] {
        return (window->frameGeometry().center() - form->frameGeometry().center())
            .manhattanLength();
    };
    QTRY_VERIFY2_WITH_TIMEOUT(offset() <= 4, qPrintable(QString::number(offset())), kWait);
    // Created once, then hidden and shown.
    window->cmdexit()->click();
    QCOMPARE(open(), window);
}

void TestWindows::memory_data() {
    // Conversions before the window opens, what is done in it (or, while it is hidden,
    // from the main menu), then the slots shown, their colour and the lines listed.
    QTest::addColumn<int>("conversions");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("lines");
    row("11", 244, "", "11", QColor(Qt::black), 244);
    row("10", 245, "", "10", QColor(Qt::red), 245);
    row("full", 256, "", "0", QColor(Qt::red), 255);
    row("clear button", 250, "button", "255", QColor(Qt::black), 0);
    row("clear from the menu", 250, "menu", "255", QColor(Qt::black), 0);
    row("recorded while hidden", 2, "convert", "252", QColor(Qt::black), 3);
}

void TestWindows::memory() {
    QFETCH(int, conversions);
    QFETCH(QString, action);
    QFETCH(QString, shown);
    QFETCH(QColor, colour);
    QFETCH(int, lines);
    choose(11);
    for (int i = 0; i < conversions; ++i)
        convert(QString::number(i));
    frmviewrec* window = open();
    QVERIFY(window);
    if (action == QLatin1String("button")) {
        QTest::mouseClick(window->cmdclear(), Qt::LeftButton);
    } else if (!action.isEmpty()) {
        window->cmdexit()->click();
        if (action == QLatin1String("menu"))
            form->action(QStringLiteral("Clear Record"))->trigger();
        else
            convert(QStringLiteral(" 3 "));
        QCOMPARE(open(), window);
    }
    QCOMPARE(window->lblmem()->text(), shown);
    QCOMPARE(window->lblmem()->palette().color(QPalette::WindowText), colour);
    QCOMPARE(window->lstrec()->model()->rowCount(), lines);
}

void TestWindows::exitEndsTheModalShowing_data() {
    QTest::addColumn<bool>("byAccessKey");
    row("button", false);
    row("alt+e", true);
}

void TestWindows::exitEndsTheModalShowing() {
    QFETCH(bool, byAccessKey);
    frmviewrec* window = open();
    QVERIFY(window);
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), window, kWait);
    // Only Exit leaves it: every request to close is refused.
    QVERIFY(!window->close());
    window->windowHandle()->close(); // as the close box does
    QTest::keyClick(window, Qt::Key_Escape);
    QTest::keyClick(window, Qt::Key_F4, Qt::AltModifier);
    QVERIFY(window->isVisible());
    if (byAccessKey)
        QTest::keyClick(window->lstrec(), Qt::Key_E, Qt::AltModifier);
    else
        QTest::mouseClick(window->cmdexit(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), kWait);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestWindows::copiesSelectedLines() {
    choose(12);
    for (const char* v : {"1", "2", "3"})
        convert(QString::fromLatin1(v));
    frmviewrec* window = open();
    QVERIFY(window);
    RecordListView* list = window->lstrec();
    list->setFocus();
    list->selectionModel()->select(list->model()->index(2, 0), QItemSelectionModel::Select);
    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1\t1\t25.4\n3\t3\t76.2\n"));
}

void TestWindows::help_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("times");
    row("menu, again and again", "menu", 3);
    row("F1", "F1", 1);
    row("F1 in the record window", "record", 1);
}

void TestWindows::help() {
    QFETCH(QString, how);
    QFETCH(int, times);
    for (int i = 0; i < times; ++i) {
        if (how == QLatin1String("menu")) {
            form->action(QStringLiteral("Help"))->trigger();
        } else if (how == QLatin1String("F1")) {
            QTest::keyClick(form->txtinput(), Qt::Key_F1);
        } else {
            form->action(QStringLiteral("View Record"))->trigger();
            expectModal(form->viewrec());
            QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), form->viewrec(), kWait);
            QTest::keyClick(form->viewrec()->focusWidget(), Qt::Key_F1);
        }
    }
    QCOMPARE(commands, QList<quint32>(times, 3));
    HelpBrowser* viewer = HelpViewer::window();
    QVERIFY(viewer);
    QVERIFY(QTest::qWaitForWindowActive(viewer, kWait));
    // The built-in document, since the fixed path is not there; and the viewer takes
    // keys, even over the record window.
    QVERIFY(viewer->toPlainText().contains(QStringLiteral("0.03937")));
    QTest::keyClick(viewer, Qt::Key_End);
    QTRY_VERIFY_WITH_TIMEOUT(viewer->verticalScrollBar()->value() > 0, kWait);
    // It follows only links within its document and to the other language's.
    const QString english = viewer->toHtml();
    for (const char* link : {"https://example.org/", "file:///etc/passwd", "other.html",
                             "../HELP_LT.th.HLP", "qrc:/help/HELP_LT.th.HLP"})
        emit viewer->anchorClicked(QUrl(QString::fromLatin1(link)));
    QCOMPARE(viewer->toHtml(), english);
    QVERIFY(
        !viewer->loadResource(QTextDocument::ImageResource, QUrl("file:///etc/passwd")).isValid());
    emit viewer->anchorClicked(QUrl(QStringLiteral("HELP_LT.th.HLP")));
    QVERIFY(viewer->toPlainText().contains(QStringLiteral("ความจำในการบันทึกเหลือน้อย")));
    QVERIFY(!viewer->toPlainText().contains(QStringLiteral("Converting a length")));
    emit viewer->anchorClicked(QUrl(QStringLiteral("HELP_LT.HLP")));
    QCOMPARE(viewer->toHtml(), english);
}

void TestWindows::closingTheMainWindowQuitsTheViewer() {
    form->close(); // Help never used
    QCOMPARE(commands, QList<quint32>{2});
    QCOMPARE(endRequests, QList<ProgramEnd::Way>{ProgramEnd::Way::AfterUnload});
}

void TestWindows::aboutIsModelessAndDiscardedOnClose() {
    QAction* about = form->action(QStringLiteral("About"));
    about->trigger();
    QPointer<frmabout> first = form->about();
    // Its pictures and Thai text come from the program's resources.
    QCOMPARE(first->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().size(), QSize(191, 80));
    QCOMPARE(first->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("โปรแกรม Lentaro Version 1.0"));
    for (QWidget* child : first->findChildren<QWidget*>())
        QCOMPARE(child->focusPolicy(), Qt::NoFocus);
    about->trigger();
    QCOMPARE(form->about(), first.data());
    first->close();
    QTRY_VERIFY_WITH_TIMEOUT(!first, kWait);
    about->trigger();
    QVERIFY(form->about());
}

void TestWindows::programEndsWithEveryWindowOpen() {
    // Without a handler the request goes to the application: the event loop that
    // stands for the program's must end, though the record window refuses to close.
    form->action(QStringLiteral("About"))->trigger();
    form->action(QStringLiteral("Help"))->trigger();
    form->action(QStringLiteral("View Record"))->trigger();
    expectModal(form->viewrec());
    ProgramEnd::setHandler({});
    QEventLoop program;
    QTimer::singleShot(0, form.get(), [this] { form->close(); });
    QTimer::singleShot(kWait, &program, [&program] { program.exit(1); });
    QCOMPARE(program.exec(), 0);
    QCOMPARE(commands, (QList<quint32>{3, 2}));
    QVERIFY(!HelpViewer::window() || !HelpViewer::window()->isVisible());
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
