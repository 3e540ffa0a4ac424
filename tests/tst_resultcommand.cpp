#include "conversion/PlainResultItems.h"
#include "conversion/ResultCommand.h"
#include "platform/RuntimeError.h"
#include "records/Mrec.h"

#include <QTest>

class TestResultCommand : public QObject {
    Q_OBJECT
private slots:
    void showsAndRecords_data();
    void showsAndRecords();
    void failureChangesNothing_data();
    void failureChangesNothing();
    void consecutiveLines();
};

void TestResultCommand::showsAndRecords_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("unit");
    QTest::newRow("inch to mm") << 12 << "1"
                                << "25.4"
                                << "mm";
    QTest::newRow("letters") << 6 << "abc"
                             << "0"
                             << "mil";
    QTest::newRow("empty") << 1 << ""
                           << "0"
                           << "Inch";
    QTest::newRow("blanks kept in the record") << 8 << " 1 5 "
                                               << "150"
                                               << "mm";
    QTest::newRow("exponent") << 1 << "1E36"
                              << "1000000000000000000000000000000000"
                              << "Inch";
    QTest::newRow("product beyond float") << 10 << "-1E36"
                                          << "-Infinity"
                                          << "mil";
    QTest::newRow("too small for a float") << 12 << "1e-50"
                                           << "0"
                                           << "mm";
}

void TestResultCommand::showsAndRecords() {
    QFETCH(int, index);
    QFETCH(QString, input);
    QFETCH(QString, result);
    QFETCH(QString, unit);
    Mrec mrec;
    PlainResultItems items;
    items.convindex = static_cast<std::uint8_t>(index);
    items.setInputText(input);
    ResultCommand::run(items, mrec);
    QCOMPARE(items.resultCaption(), result);
    QCOMPARE(items.unitCaption(), unit);
    QCOMPARE(items.inputText(), QString());
    QCOMPARE(mrec.lines(), QStringList{QStringLiteral("1\t%1\t%2").arg(input, result)});
}

void TestResultCommand::failureChangesNothing_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("kind");
    const int overflow = int(RuntimeError::Kind::Overflow);
    for (int index : {1, 4, 10, 12})
        QTest::addRow("1E39 #%d", index) << index << "1E39" << overflow;
    QTest::newRow("1E400") << 5 << "1E400" << overflow;
    QTest::newRow("-1E39") << 7 << "-1E39" << overflow;
    QTest::newRow("just past the float range") << 9 << "3.5e38" << overflow;
    QTest::newRow("overflow before choosing") << 0 << "1E39" << overflow;
    QTest::newRow("nothing chosen") << 0 << "5" << int(RuntimeError::Kind::NoConversionChosen);
}

void TestResultCommand::failureChangesNothing() {
    QFETCH(int, index);
    QFETCH(QString, input);
    QFETCH(int, kind);
    int messages = 0;
    Mrec mrec([&](const QString&, const QString&, MessageStyle) { ++messages; });
    PlainResultItems items;
    items.convindex = 11;
    items.setInputText(QStringLiteral("2"));
    ResultCommand::run(items, mrec);

    items.convindex = static_cast<std::uint8_t>(index);
    items.setInputText(input);
    try {
        ResultCommand::run(items, mrec);
        QFAIL("no error");
    } catch (const RuntimeError& error) {
        QCOMPARE(int(error.kind()), kind);
    }
    QCOMPARE(items.resultvalue, 5.08f);
    QCOMPARE(items.resultCaption(), QStringLiteral("5.08"));
    QCOMPARE(items.unitCaption(), QStringLiteral("cm"));
    QCOMPARE(items.inputText(), input);
    QCOMPARE(mrec.lines(), QStringList{QStringLiteral("1\t2\t5.08")});
    QCOMPARE(mrec.memleft(), 254);
    QCOMPARE(messages, 0);
}

void TestResultCommand::consecutiveLines() {
    // The same input twice gives two lines numbered in turn, around the notice too.
    for (int start : {255, 12, 9, 2}) {
        Mrec mrec;
        mrec.setMemleft(static_cast<std::uint8_t>(start));
        PlainResultItems items;
        items.convindex = 3;
        for (int i = 0; i < 2; ++i) {
            items.setInputText(QStringLiteral("7"));
            ResultCommand::run(items, mrec);
        }
        const QString line = QStringLiteral("%1\t7\t0.1778");
        QCOMPARE(mrec.lines(), (QStringList{line.arg(256 - start), line.arg(257 - start)}));
    }
}

QTEST_APPLESS_MAIN(TestResultCommand)
#include "tst_resultcommand.moc"
