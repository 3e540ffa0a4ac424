#include "records/Mrec.h"

#include <QTest>

namespace {
struct Recorder {
    QList<std::pair<QString, MessageStyle>> messages;
    Mrec mrec{[this](const QString& text, const QString& title, MessageStyle style) {
        QCOMPARE(title, QStringLiteral("Alart !! "));
        messages << std::pair{text, style};
    }};

    void convert(int times) {
        for (int i = 0; i < times; ++i)
            mrec.RecordConversion(QStringLiteral("x"), QStringLiteral("y"));
    }
};
} // namespace

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void wholeFill();
    void clearFromEachState_data();
    void clearFromEachState();
    void lineFields_data();
    void lineFields();
};

void TestRecords::wholeFill() {
    Recorder r;
    int inserted = 0; // views follow the model's signals
    QObject::connect(r.mrec.records(), &QAbstractItemModel::rowsInserted, [&] { ++inserted; });
    r.convert(245);
    QCOMPARE(r.mrec.memleft(), 10);
    QVERIFY(r.messages.isEmpty());
    r.convert(1); // the 246th meets the notice and is recorded all the same
    QCOMPARE(r.mrec.memleft(), 9);
    QCOMPARE(r.messages,
             (QList<std::pair<QString, MessageStyle>>{
                 {QStringLiteral("ความจำในการบันทึกเหลือน้อย"), MessageStyle::Information}}));
    r.convert(9 + 3); // fills, then three refused
    QCOMPARE(r.mrec.memleft(), 0);
    QCOMPARE(r.messages.size(), 4);
    QCOMPARE(r.messages.last().first,
             QStringLiteral("ความจำในการบันทึกหมดแล้วจากนี้ไปจะไม่ทำการบันทึก !!"));
    QCOMPARE(r.messages.last().second, MessageStyle::Exclamation);
    const QStringList lines = r.mrec.lines();
    QCOMPARE(lines.size(), 255);
    QCOMPARE(inserted, 255);
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(lines[i], QStringLiteral("%1\tx\ty").arg(i + 1));
}

void TestRecords::clearFromEachState_data() {
    QTest::addColumn<int>("before");
    for (int before : {0, 17, 245, 250, 255, 260})
        QTest::addRow("after %d", before) << before;
}

void TestRecords::clearFromEachState() {
    QFETCH(int, before);
    Recorder r;
    r.convert(before);
    r.messages.clear();
    r.mrec.ClearRecords();
    QCOMPARE(r.mrec.memleft(), 255);
    r.convert(1);
    QCOMPARE(r.mrec.lines(), QStringList{QStringLiteral("1\tx\ty")});
    QVERIFY(r.messages.isEmpty());
}

void TestRecords::lineFields_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << "2"
                           << "5.08"
                           << "1\t2\t5.08";
    QTest::newRow("empty input") << ""
                                 << "0"
                                 << "1\t\t0";
    QTest::newRow("blanks and thai kept")
        << QString::fromUtf8(" สิบ ") << "0" << QString::fromUtf8("1\t สิบ \t0");
    QTest::newRow("tab") << "1\t2"
                         << "0"
                         << "1\t1 2\t0";
    QTest::newRow("line breaks") << "a\r\nb"
                                 << "x\ny"
                                 << "1\ta  b\tx y";
    QTest::newRow("unicode separators")
        << QString(QChar::LineSeparator) << QString(QChar::ParagraphSeparator) << "1\t \t ";
}

void TestRecords::lineFields() {
    QFETCH(QString, input);
    QFETCH(QString, result);
    QFETCH(QString, line);
    Recorder r;
    r.mrec.RecordConversion(input, result);
    QCOMPARE(r.mrec.lines(), QStringList{line});
}

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"
