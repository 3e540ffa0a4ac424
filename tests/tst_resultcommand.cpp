#include "conversion/PlainResultItems.h"
#include "conversion/ResultCommand.h"
#include "platform/RuntimeError.h"
#include "records/Mrec.h"

#include <QTest>
#include <cmath>

namespace {
// Items with a shown result, to see that a failure leaves them alone.
struct Scene {
    int messages = 0;
    Mrec mrec{[this](const QString&, const QString&, MessageStyle) { ++messages; }};
    PlainResultItems items;

    Scene() {
        items.convindex = 11;
        items.setInputText(QStringLiteral("2"));
        ResultCommand::run(items, mrec);
    }
};
} // namespace

class TestResultCommand : public QObject {
    Q_OBJECT
private slots:
    void showsAndRecords_data();
    void showsAndRecords();
    void failureChangesNothing_data();
    void failureChangesNothing();
    void infiniteProductIsAResult();
    void sameInputTwiceGivesConsecutiveLines();
};

void TestResultCommand::showsAndRecords_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("unit");
    QTest::newRow("inch to mm") << 12 << "1"
                                << "25.4"
                                << "mm";
    QTest::newRow("mm to inch") << 4 << "1"
                                << "0.03937"
                                << "inch";
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
    const int none = int(RuntimeError::Kind::NoConversionChosen);
    for (int index : {1, 4, 10, 12})
        QTest::addRow("1E39 #%d", index) << index << "1E39" << overflow;
    QTest::newRow("1E400") << 5 << "1E400" << overflow;
    QTest::newRow("-1E39") << 7 << "-1E39" << overflow;
    QTest::newRow("just past the float range") << 9 << "3.5e38" << overflow;
    QTest::newRow("overflow before choosing") << 0 << "1E39" << overflow;
    QTest::newRow("nothing chosen") << 0 << "5" << none;
    QTest::newRow("index past the table") << 13 << "5" << none;
}

void TestResultCommand::failureChangesNothing() {
    QFETCH(int, index);
    QFETCH(QString, input);
    QFETCH(int, kind);
    Scene scene;
    const QStringList lines = scene.mrec.lines();
    scene.items.convindex = static_cast<std::uint8_t>(index);
    scene.items.setInputText(input);
    try {
        ResultCommand::run(scene.items, scene.mrec);
        QFAIL("no error");
    } catch (const RuntimeError& error) {
        QCOMPARE(int(error.kind()), kind);
    }
    QCOMPARE(scene.items.resultvalue, 5.08f);
    QCOMPARE(scene.items.resultCaption(), QStringLiteral("5.08"));
    QCOMPARE(scene.items.unitCaption(), QStringLiteral("cm"));
    QCOMPARE(scene.items.inputText(), input);
    QCOMPARE(scene.mrec.lines(), lines);
    QCOMPARE(scene.mrec.memleft(), 254);
    QCOMPARE(scene.messages, 0);
}

void TestResultCommand::infiniteProductIsAResult() {
    Scene scene;
    scene.items.convindex = 10;
    scene.items.setInputText(QStringLiteral("-1E36"));
    ResultCommand::run(scene.items, scene.mrec);
    QVERIFY(std::isinf(scene.items.resultvalue) && scene.items.resultvalue < 0);
    QCOMPARE(scene.items.resultCaption(), QStringLiteral("-Infinity"));
    QCOMPARE(scene.items.unitCaption(), QStringLiteral("mil"));
    QCOMPARE(scene.mrec.lines().last(), QStringLiteral("2\t-1E36\t-Infinity"));
}

void TestResultCommand::sameInputTwiceGivesConsecutiveLines() {
    for (int start : {255, 12, 9, 2}) {
        Mrec mrec;
        mrec.setMemleft(static_cast<std::uint8_t>(start));
        PlainResultItems items;
        items.convindex = 3;
        for (int i = 0; i < 2; ++i) {
            items.setInputText(QStringLiteral("7"));
            ResultCommand::run(items, mrec);
        }
        const int first = 256 - start;
        QCOMPARE(mrec.lines(), (QStringList{QStringLiteral("%1\t7\t0.1778").arg(first),
                                            QStringLiteral("%1\t7\t0.1778").arg(first + 1)}));
    }
}

QTEST_APPLESS_MAIN(TestResultCommand)
#include "tst_resultcommand.moc"
