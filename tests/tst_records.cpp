#include "records/Mrec.h"
#include "records/RecordLine.h"

#include <QTest>

namespace {
struct Message {
    QString text;
    QString title;
    MessageStyle style;
};

struct Recorder {
    QList<Message> messages;
    Mrec mrec{[this](const QString& text, const QString& title, MessageStyle style) {
        messages << Message{text, title, style};
    }};

    void convert(int times) {
        for (int i = 0; i < times; ++i)
            mrec.RecordConversion(QStringLiteral("x"), QStringLiteral("y"));
    }
};

int numberOf(const QString& line) {
    return line.section(QLatin1Char('\t'), 0, 0).toInt();
}
} // namespace

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void wholeFill();
    void fullWarnsOnEveryConversion();
    void clearFromEachState_data();
    void clearFromEachState();
    void lineFields_data();
    void lineFields();
    void linesFollowTheModel();
};

void TestRecords::wholeFill() {
    Recorder r;
    r.convert(245);
    QCOMPARE(r.mrec.memleft(), 10);
    QVERIFY(r.messages.isEmpty());

    r.convert(1); // the 246th conversion meets the notice and is recorded too
    QCOMPARE(r.mrec.memleft(), 9);
    QCOMPARE(r.messages.size(), 1);
    QCOMPARE(r.messages[0].text, QStringLiteral("ความจำในการบันทึกเหลือน้อย"));
    QCOMPARE(r.messages[0].title, QStringLiteral("Alart !! "));
    QCOMPARE(r.messages[0].style, MessageStyle::Information);

    r.convert(9);
    QCOMPARE(r.mrec.memleft(), 0);
    QCOMPARE(r.messages.size(), 1);
    const QStringList lines = r.mrec.lines();
    QCOMPARE(lines.size(), 255);
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(numberOf(lines[i]), i + 1);
}

void TestRecords::fullWarnsOnEveryConversion() {
    Recorder r;
    r.convert(255);
    r.messages.clear();
    r.convert(3);
    QCOMPARE(r.messages.size(), 3);
    for (const Message& m : r.messages) {
        QCOMPARE(m.text, QStringLiteral("ความจำในการบันทึกหมดแล้วจากนี้ไปจะไม่ทำการบันทึก !!"));
        QCOMPARE(m.title, QStringLiteral("Alart !! "));
        QCOMPARE(m.style, MessageStyle::Exclamation);
    }
    QCOMPARE(r.mrec.lines().size(), 255);
    QCOMPARE(r.mrec.memleft(), 0);
}

void TestRecords::clearFromEachState_data() {
    QTest::addColumn<int>("before");
    QTest::newRow("empty") << 0;
    QTest::newRow("recording") << 17;
    QTest::newRow("at the notice") << 245;
    QTest::newRow("after the notice") << 250;
    QTest::newRow("full") << 255;
    QTest::newRow("full, warned") << 260;
}

void TestRecords::clearFromEachState() {
    QFETCH(int, before);
    Recorder r;
    r.convert(before);
    r.messages.clear();
    r.mrec.ClearRecords();
    QCOMPARE(r.mrec.memleft(), 255);
    QVERIFY(r.mrec.lines().isEmpty());
    QVERIFY(r.messages.isEmpty());
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
    QTest::newRow("blanks kept") << " 1 "
                                 << "25.4"
                                 << "1\t 1 \t25.4";
    QTest::newRow("thai kept") << QString::fromUtf8("สิบ") << "0" << QString::fromUtf8("1\tสิบ\t0");
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
    QCOMPARE(line.count(QLatin1Char('\t')), 2);
}

void TestRecords::linesFollowTheModel() {
    // Views watch the model: a line added must arrive as an inserted row.
    Recorder r;
    int inserted = 0;
    QObject::connect(r.mrec.records(), &QAbstractItemModel::rowsInserted, [&] { ++inserted; });
    r.convert(3);
    QCOMPARE(inserted, 3);
    QCOMPARE(r.mrec.records()->rowCount(), 3);
    QCOMPARE(r.mrec.records()->index(2).data().toString(), QStringLiteral("3\tx\ty"));
}

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"
