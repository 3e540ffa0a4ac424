// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiTestCase.h"
#include "Row.h"
#include "platform/desktop/Announcer.h"
#include "platform/desktop/ReadableText.h"
#include "records/RecordListView.h"
#include "records/frmviewrec.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOption>
#include <QThread>
#include <QWindow>

namespace {
void scene(const char* name, const char* steps, const char* result, const char* unit,
           const char* input, int chosen, const char* focus, QStringList record = {},
           QStringList boxes = {}, const char* heard = "") {
    QTest::newRow(name) << steps << result << unit << input << chosen << focus << record << boxes
                        << heard;
}

// The strongest contrast of any colour in the image with its commonest, the background.
double contrastIn(const QImage& part) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x)
            ++counts[part.pixel(x, y)];
    const QRgb back =
        std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first;
    double best = 1;
    for (const QRgb colour : counts.keys())
        best = std::max(best, ReadableText::contrast(colour, back));
    return best;
}

// The contrast of each text in the window, by window and control; not of the windows it owns.
void measure(QWidget* window, QMap<QString, double>& ratios) {
    const QImage shot = window->grab().toImage();
    for (QWidget* w : window->findChildren<QWidget*>() + QList<QWidget*>{window}) {
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* group = qobject_cast<QGroupBox*>(w);
        if (w->window() != window || !w->isVisibleTo(window) ||
            (label && label->text().isEmpty()) || (group && group->title().isEmpty()) ||
            !(label || group || w->inherits("QAbstractButton") ||
              w->inherits("QAbstractScrollArea") || w->inherits("QLineEdit")))
            continue;
        QRect area = group ? QRect(0, 0, w->width(), w->fontMetrics().height()) : w->contentsRect();
        if (qobject_cast<QRadioButton*>(w))
            area.setLeft(area.left() + 18); // the caption, not the circle
        ratios[window->objectName() + "/" + w->objectName() + w->metaObject()->className()] =
            contrastIn(shot.copy(QRect(w->mapTo(window, area.topLeft()), area.size())));
        if (auto* page = qobject_cast<QTextBrowser*>(w)) { // and a link on it, alone
            const QTextCursor link = page->document()->find(QStringLiteral("Converting a length"));
            QTextCursor start(link);
            start.setPosition(link.selectionStart());
            const QRect at = page->cursorRect(start).united(page->cursorRect(link));
            ratios[window->objectName() + "/link"] = contrastIn(
                shot.copy(QRect(page->viewport()->mapTo(window, at.topLeft()), at.size())));
        }
    }
}
} // namespace

// The main window, driven by keyboard, mouse and clipboard, and the windows it opens: the
// record, the help viewer and About; how they read under other themes and text sizes.
class TestWindows : public GuiTestCase {
    Q_OBJECT
private:
    void play(const QString& step) {
        QLineEdit* input = form->txtinput();
        if (step.startsWith(QLatin1String("t:"))) { // typed, in any script
            for (char32_t ch : step.mid(2).toUcs4())
                QTest::sendKeyEvent(QTest::Click, input, Qt::Key_unknown, QString::fromUcs4(&ch, 1),
                                    Qt::NoModifier);
        } else if (step.startsWith(QLatin1String("p:"))) { // paste, \n for a line break
            QApplication::clipboard()->setText(step.mid(2).replace(QLatin1String("\\n"), "\n"));
            QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
        } else if (step.startsWith(QLatin1String("fill:"))) {
            for (int i = 0, n = step.mid(5).toInt(); i < n; ++i)
                convert(QString::number(i));
        } else if (step.startsWith(QLatin1Char('o'))) { // click an option
            choose(step.mid(1).toInt());
        } else if (step == QLatin1String("Result") || step == QLatin1String("Clear")) {
            QTest::mouseClick(step == QLatin1String("Result") ? form->cmdresult()
                                                              : form->cmdclear(),
                              Qt::LeftButton);
        } else if (step == QLatin1String("copy")) { // the result, copied into the input
            QTest::mouseClick(form->lblresult(), Qt::LeftButton);
            for (auto key : {QKeySequence::SelectAll, QKeySequence::Copy})
                QTest::keySequence(form->lblresult(), key);
            QTest::keySequence(input, QKeySequence::Paste);
        } else if (step.startsWith(QLatin1String("menu:"))) {
            form->action(step.mid(5).replace(QLatin1Char('_'), QLatin1Char(' ')))->trigger();
        } else { // a key, to what has the focus
            const QKeyCombination key = QKeySequence(step)[0];
            QVERIFY2(key.key() != Qt::Key_unknown, qPrintable(step));
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        }
    }

    QList<QWidget*> everyWindow() {
        form->action(QStringLiteral("About"))->trigger();
        form->action(QStringLiteral("Help"))->trigger();
        frmviewrec* record = open();
        return {form.get(), record, form->about(), HelpViewer::window()};
    }

    frmviewrec* open() {
        form->action(QStringLiteral("View Record"))->trigger();
        frmviewrec* window = form->viewrec();
        m_expectedModal = window;
        return window && QTest::qWaitForWindowExposed(window, kWait) ? window : nullptr;
    }

private slots:
    void scenario_data() {
        // Steps: oN click option N, t:TEXT type, p:TEXT paste, a key name, a button, copy,
        // fill:N convert N times, menu:NAME. Then what the window shows, the chosen
        // conversion, the focus, the record's lines, the boxes shown and what a screen
        // reader was last told.
        for (const char* column : {"steps", "result", "unit", "input"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("record");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("heard");
        const QString overflow =
            QStringLiteral("Lentaro: Overflow: the number is too large. Lentaro "
                           "takes values up to about 3.4 x 10^38. !");
        scene("start", "", "0", "", "", 1, "txtinput");
        scene("enter", "o12 t:1 Return", "25.4", "mm", "", 12, "txtinput", {"1\t1\t25.4"}, {},
              "25.4 mm");
        scene("copy", "t:1 Return copy", "0.001", "Inch", "0.001", 1, "lblresult", {"1\t1\t0.001"});
        scene("keypad enter", "o11 t:-2 Enter", "-5.08", "cm", "", 11, "txtinput", {"1\t-2\t-5.08"},
              {}, "-5.08 cm");
        scene("enter on the focused button", "o10 t:2.5 Backtab Backtab Return", "2500", "mil", "",
              10, "txtinput", {"1\t2.5\t2500"}, {}, "2500 mil");
        scene("choosing keeps the result", "o12 t:2 Return Clear o5", "50.8", "mm", "", 5,
              "txtinput", {"1\t2\t50.8"});
        scene("clear empties only the input", "o8 t:3 Return t:77 Clear", "30", "mm", "", 8,
              "cmdclear", {"1\t3\t30"});
        scene("enter on clear", "o8 t:77 Backtab Return", "0", "", "", 8, "cmdclear");
        scene("result on an empty box", "o3 t:abc Return Result", "0", "mm", "", 3, "txtinput",
              {"1\tabc\t0", "2\t\t0"});
        scene("thai digits, recorded as typed", "o12 t:๑๒ Return", "304.8", "mm", "", 12,
              "txtinput", {"1\t๑๒\t304.8"});
        scene("the grid is one tab stop", "o12 Tab Tab Tab Tab", "0", "", "", 12, "txtinput");
        scene("the tab order", "o8 Tab Tab Tab", "0", "", "", 8, "cmdclear");
        scene("arrows walk the grid", "o5 Tab Right Right Down Down Left Up", "0", "", "", 6,
              "optconv(6)");
        scene("space goes on to the input", "o7 Tab Down Space", "0", "", "", 10, "txtinput");
        scene("typing stops at 12", "t:12345678901234", "0", "", "123456789012", 1, "txtinput");
        scene("a long paste is refused whole", "t:7 p:123456789012345678", "0", "", "7", 1,
              "txtinput", {}, {}, "Not pasted: more than 12 characters");
        scene("a paste keeps its first line", "p:12\\n34 Return", "0.012", "Inch", "", 1,
              "txtinput", {"1\t12\t0.012"});
        scene("a paste's first line, where the cursor is", "t:12 Left p:2\t\\n3", "0", "", "122", 1,
              "txtinput");
        scene("a paste's first line beside its like", "t:😀 Home p:😁\\nx", "0", "", "😁😀", 1,
              "txtinput");
        scene("a paste never splits a character", "t:12345678901 p:😀", "0", "", "12345678901", 1,
              "txtinput");
        scene("overflow", "o11 t:2 Return t:1E39 Return", "5.08", "cm", "1E39", 11, "txtinput",
              {"1\t2\t5.08"}, {overflow}, "5.08 cm");
        scene("clear record while full", "o1 fill:256 menu:Clear_Record t:4 Return", "0.004",
              "Inch", "", 1, "txtinput", {"1\t4\t0.004"},
              {"Alart !! : ความจำในการบันทึกเหลือน้อย i",
               "Alart !! : ความจำในการบันทึกหมดแล้วจากนี้ไปจะไม่ทำการบันทึก !! !"},
              "0.004 Inch");
        scene("ctrl+x ends, not cuts", "t:42 Ctrl+A Ctrl+X", "0", "", "42", 1, "txtinput");
    }

    void scenario() {
        QFETCH(QString, steps);
        for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            play(step);
        }
        QFETCH(QString, focus);
        QFETCH(QString, heard);
        QTEST(form->lblresult()->text(), "result");
        QTEST(form->lblunit()->text(), "unit");
        QTEST(form->txtinput()->text(), "input");
        QTEST(int(form->convindex), "chosen");
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget()->objectName(), focus, kWait);
        QTEST(records->lines(), "record");
        QStringList seen;
        for (const Message& box : messages)
            seen << box.title + ": " + box.text +
                        (box.style == MessageStyle::Exclamation ? " !" : " i");
        QTEST(seen, "boxes");
        QVERIFY2(heard.isEmpty() || form->announcer()->text().startsWith(heard),
                 qPrintable(form->announcer()->text()));
        QCOMPARE(endRequests.count(End::Immediate),
                 steps.contains(QLatin1String("Exit")) || steps.contains(QLatin1String("Ctrl+X")));
    }

    void fits_data() {
        QTest::addColumn<qreal>("points");
        QTest::addColumn<QString>("face"); // one the platform theme puts over Lentaro's
        for (qreal points : {8, 10, 12, 16})
            QTest::addRow("%g pt", points) << points << QString();
        row("a wider face", 10.0, "DejaVu Serif");
    }

    void fits() {
        // At every desktop text size (and the display scale this runs at), every text fits its
        // control, no option's circle touches its caption, and every window lies on the screen.
        QFETCH(qreal, points);
        QFETCH(QString, face);
        const QFont desktop = QApplication::font();
        QFont asked = desktop;
        asked.setPointSizeF(points);
        QApplication::setFont(asked);
        LentaroStyle::install(*qApp);
        if (!face.isEmpty())
            QApplication::setFont(QFont(face, 8));
        const auto restore = qScopeGuard([desktop] {
            QApplication::setFont(desktop);
            LentaroStyle::install(*qApp);
        });
        openMainWindow();
        choose(1);
        convert(QStringLiteral("-3.4e38"));
        // Bigger desktop text is honoured: the fonts the forms name grow with it.
        QVERIFY(form->txtinput()->font().pointSizeF() > 9.7 * std::max<qreal>(1, points / 10));
        const QRect screen = form->screen()->availableGeometry();
        if (const QSize size = form->frameGeometry().size() * 1.05;
            size.width() > screen.width() || size.height() > screen.height())
            QSKIP("this screen is too small for text this size");
        for (QWidget* window : everyWindow()) {
            // Inside the screen; one larger than the screen at least with its title bar.
            QTRY_VERIFY2_WITH_TIMEOUT(screen.contains(window->frameGeometry()) ||
                                          (window->frameGeometry().width() > screen.width() &&
                                           screen.contains(window->frameGeometry().topLeft())),
                                      qPrintable(window->objectName()), kWait);
            for (const QWidget* w : window->findChildren<QWidget*>()) {
                const QString text = w->property("text").toString(); // labels, buttons
                if (text.isEmpty() || !w->isVisibleTo(window) || w->inherits("QLineEdit"))
                    continue;
                QStyleOptionButton option;
                option.initFrom(w);
                QRect room = w->contentsRect();
                if (qobject_cast<const QRadioButton*>(w)) {
                    room = w->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, w);
                    const QRect circle =
                        w->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, w);
                    QVERIFY2(circle.right() < room.left(), qPrintable(text));
                } else if (qobject_cast<const QPushButton*>(w)) {
                    room = w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w);
                }
                const int width =
                    w->fontMetrics().horizontalAdvance(text.trimmed().remove(QLatin1Char('&')));
                QVERIFY2(width <= room.width(), qPrintable(text + " " + QString::number(width)));
            }
        }
    }

    void readable_data() {
        // Palettes a dark and a high-contrast theme give: the rest follows from button and window.
        QTest::addColumn<QPalette>("theme");
        row("dark", QPalette(QColor(0x454545), QColor(0x353535)));
        row("white on black", QPalette(Qt::black, Qt::black));
        row("the desktop's", QApplication::palette()); // under Wine, its system colours
    }

    void readable() {
        // Every text of every window, and of both message boxes, reads at least 4.5:1 on what
        // it is drawn on, or as well as the colours it was drawn in give on a light desktop.
        QFETCH(QPalette, theme);
        const auto measureAll = [&](QMap<QString, double>& all) {
            choose(11);
            for (int i = 0; i < 245; ++i)
                convert(QStringLiteral("2"));
            answerBoxes = false;
            for (const char* text : {"1e39", "2"}) { // the overflow, then the low-memory notice
                QTimer poll; // each turn until the box's own loop runs: Windows turns one before
                poll.callOnTimeout([&] {
                    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    if (!box || QThread::currentThread()->loopLevel() == 0)
                        return;
                    poll.stop();
                    box->setObjectName(QString::fromLatin1(text));
                    QVERIFY(box->width() >
                            box->fontMetrics().horizontalAdvance(box->windowTitle()) + 100);
                    measure(box, all);
                    box->accept();
                });
                poll.start(0);
                convert(QString::fromLatin1(text));
            }
            QTest::keyClicks(form->txtinput(), "5"); // in the input box's own colour
            for (QWidget* window : everyWindow()) {
                QVERIFY2(QTest::qWaitForWindowExposed(window, kWait),
                         qPrintable(window->objectName()));
                measure(window, all);
            }
        };
        QMap<QString, double> light, themed;
        const QPalette desktop = QApplication::palette();
        const auto restore = qScopeGuard([desktop] { QApplication::setPalette(desktop); });
        QApplication::setPalette(QApplication::style()->standardPalette()); // a light desktop's
        openMainWindow();
        measureAll(light);
        QApplication::setPalette(theme);
        openMainWindow();
        measureAll(themed);
        QCOMPARE(themed.keys(), light.keys());
        for (auto it = themed.begin(); it != themed.end(); ++it) {
            const double wanted = std::min(ReadableText::kMinimum, light[it.key()]) * 0.95;
            QVERIFY2(it.value() >= wanted, qPrintable(QStringLiteral("%1: %2:1, light %3:1")
                                                          .arg(it.key())
                                                          .arg(it.value())
                                                          .arg(light[it.key()])));
        }
    }

    void asDrawnAndHeard() {
        choose(12);
        for (const char* v : {"1", "2", "3"})
            convert(QString::fromLatin1(v));
        // As drawn, at 15 twips a pixel, relative to each control's container, where the
        // face fits it (a system without the face grows the forms).
        if (form->lblresult()->parentWidget()->width() != 353)
            QSKIP("the forms grew for a wider face");
        QCOMPARE(form->lblresult()->geometry(), QRect(8, 16, 287, 37));
        QCOMPARE(form->findChild<QWidget*>("Frame1")->geometry(), QRect(8, 64, 337, 169));
        QCOMPARE(form->optconv(9)->geometry(), QRect(240, 96, 73, 17));
        // Captions as drawn, trailing blanks and all, as a screen reader reads them.
        QCOMPARE(QAccessible::queryAccessibleInterface(form->optconv(4))->text(QAccessible::Name),
                 "MM -> INCH ");
        QCOMPARE(form->txtinput()->geometry(), QRect(24, 32, 105, 25));
        QCOMPARE(form->cmdresult()->geometry(), QRect(232, 24, 89, 33));
        frmviewrec* window = open();
        QVERIFY(window);
        QCOMPARE(window->size(), QSize(321, 275));
        QCOMPARE(window->lblmem()->geometry(), QRect(72, 240, 41, 25));
        QCOMPARE(window->cmdexit()->geometry(), QRect(240, 240, 73, 25));
        // Centred over the main window, once the window manager has framed it.
        const auto offset = [&] {
            return (window->frameGeometry().center() - form->frameGeometry().center())
                .manhattanLength();
        };
        QTRY_VERIFY2_WITH_TIMEOUT(offset() <= 4, qPrintable(QString::number(offset())), kWait);
        // A screen reader hears the slots left with the list, and names the label for them.
        QCOMPARE(window->lstrec()->accessibleDescription(), "252 of 255 record slots left");
        QAccessibleInterface* label = QAccessible::queryAccessibleInterface(window->lblmem());
        QCOMPARE(label->text(QAccessible::Name), "Memory: 252 of 255 record slots left");
        const auto labelledBy = label->relations(QAccessible::Label);
        QCOMPARE(labelledBy.size(), 1);
        QCOMPARE(labelledBy.first().first->text(QAccessible::Name), "Memory ->");
        // The selected lines copy oldest first.
        RecordListView* list = window->lstrec();
        list->selectionModel()->select(list->model()->index(2, 0), QItemSelectionModel::Select);
        list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1\t1\t25.4\n3\t3\t76.2\n"));
        // Created once, then hidden and shown.
        window->cmdexit()->click();
        QCOMPARE(open(), window);
    }

    void memory_data() {
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

    void memory() {
        QFETCH(int, conversions);
        QFETCH(QString, action);
        choose(11);
        for (int i = 0; i < conversions; ++i)
            convert(QString::number(i));
        // Over a main window dragged half off the screen, the record window opens on it.
        form->move(-form->width() / 2, form->y());
        frmviewrec* window = open();
        QVERIFY(window);
        QTRY_VERIFY_WITH_TIMEOUT(
            form->screen()->availableGeometry().contains(window->frameGeometry()), kWait);
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
        QTEST(window->lblmem()->text(), "shown");
        QTEST(window->lblmem()->palette().color(QPalette::WindowText), "colour");
        QTEST(window->lstrec()->model()->rowCount(), "lines");
    }

    void onlyExitLeavesTheRecord() {
        for (const bool byAccessKey : {false, true}) {
            openMainWindow(); // each way from a fresh start
            frmviewrec* window = open();
            QVERIFY(window);
            QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), window, kWait);
            // Every request to close is refused.
            QVERIFY(!window->close());
            window->windowHandle()->close(); // as the close box does
            QTest::keyClick(window, Qt::Key_Escape);
            QVERIFY(window->isVisible());
            if (byAccessKey)
                QTest::keyClick(window->lstrec(), Qt::Key_E, Qt::AltModifier);
            else
                QTest::mouseClick(window->cmdexit(), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), kWait);
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
        }
    }

    void help_data() {
        QTest::addColumn<QString>("how");
        row("menu, twice", "menu");
        row("F1", "F1");
        row("F1 in the record window", "record");
        row("open before the record window", "before");
    }

    void help() {
        QFETCH(QString, how);
        for (int i = how == QLatin1String("menu") ? 2 : how == QLatin1String("before"); i > 0; --i)
            form->action(QStringLiteral("Help"))->trigger();
        if (how == QLatin1String("F1"))
            QTest::keyClick(form->txtinput(), Qt::Key_F1);
        if (how == QLatin1String("record") || how == QLatin1String("before")) {
            QVERIFY(open());
            if (how == QLatin1String("record")) { // once the focus is there, as a user would
                QTRY_VERIFY_WITH_TIMEOUT(form->viewrec()->isAncestorOf(QApplication::focusWidget()),
                                         kWait);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
            }
        }
        QCOMPARE(commands, QList<quint32>(how == QLatin1String("menu") ? 2 : 1, 3));
        HelpBrowser* viewer = HelpViewer::window();
        QVERIFY(viewer);
        // The built-in document, since the fixed path is not there; and the viewer takes
        // clicks and keys, even with the record window up.
        QVERIFY(viewer->toPlainText().contains(QStringLiteral("0.03937")));
        // Sent as the window system sends keys, which a modal window blocks.
        QTest::keyClick(viewer->windowHandle(), Qt::Key_End);
        QTRY_VERIFY_WITH_TIMEOUT(viewer->verticalScrollBar()->value() > 0, kWait);
        // It follows only links within its document and to the other language's.
        const QString english = viewer->toHtml();
        for (const char* link : {"https://example.org/", "file:///etc/passwd", "other.html",
                                 "../HELP_LT.th.HLP", "qrc:/help/HELP_LT.th.HLP"})
            emit viewer->anchorClicked(QUrl(QString::fromLatin1(link)));
        QCOMPARE(viewer->toHtml(), english);
        QVERIFY(!viewer->loadResource(QTextDocument::ImageResource, QUrl("file:///etc/passwd"))
                     .isValid());
        emit viewer->anchorClicked(QUrl(QStringLiteral("HELP_LT.th.HLP")));
        QVERIFY(viewer->toPlainText().contains(QStringLiteral("ความจำในการบันทึกเหลือน้อย")));
        // Escape closes it.
        QPointer<HelpBrowser> closing = viewer;
        QTest::keyClick(viewer, Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!closing, kWait);
        // Closing the main window tells the viewer to quit.
        form->close();
        QCOMPARE(commands.last(), 2u);
        QCOMPARE(endRequests, QList<End>{End::AfterUnload});
    }

    void aboutIsModelessAndDiscardedOnClose() {
        QAction* about = form->action(QStringLiteral("About"));
        about->trigger();
        QPointer<frmabout> first = form->about();
        // Its pictures and Thai text come from the program's resources.
        QCOMPARE(first->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().size(),
                 QSize(191, 80));
        QCOMPARE(first->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("โปรแกรม Lentaro Version 1.0"));
        about->trigger();
        QCOMPARE(form->about(), first.data());
        // Blocked by the record window, as any window is by a modal one.
        QVERIFY(open());
        QTest::keyClick(first->windowHandle(), Qt::Key_Escape);
        QVERIFY(first);
        form->viewrec()->cmdexit()->click();
        QVERIFY(QTest::qWaitForWindowExposed(first, kWait));
        first->activateWindow();
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), first.data(), kWait);
        QTest::keyClick(first->windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!first, kWait);
    }

    void programEndsWithEveryWindowOpen() {
        // Without a stand-in the request goes to the application: the event loop that
        // stands for the program's must end, though the record window refuses to close.
        everyWindow();
        catchEnd = false;
        QEventLoop program;
        QTimer::singleShot(0, form.get(), [this] { form->close(); });
        QTimer::singleShot(kWait, &program, [&program] { program.exit(1); });
        QCOMPARE(program.exec(), 0);
        QCOMPARE(commands, (QList<quint32>{3, 2}));
        QVERIFY(!HelpViewer::window() || !HelpViewer::window()->isVisible());
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
