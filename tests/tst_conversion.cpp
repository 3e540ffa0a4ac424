#include "conversion/ConvertValue.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

#include <QTest>
#include <limits>

// Expected texts are worked out independently of the code under test: the product in
// double, rounded to float, then written with the shortest digits that read back.
class TestConversion : public QObject {
    Q_OBJECT
private slots:
    void convert_data();
    void convert();
    void units();
    void errors_data();
    void errors();
    void toSingleRoundsAtTheFloatLimit();
};

void TestConversion::convert_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    const char* one[] = {"0.001",     "0.00254", "0.0254",   "0.03937", "0.1",  "39.37008",
                         "0.3937008", "10",      "393.7008", "1000",    "2.54", "25.4"};
    const char* minusTwo[] = {"-0.002",    "-0.00508",  "-0.0508",    "-0.07874",
                              "-0.2",      "-78.74016", "-0.7874016", "-20",
                              "-787.4016", "-2000",     "-5.08",      "-50.8"};
    const char* big[] = {"1000000000000000000000000000000000",
                         "2540000000000000000000000000000000",
                         "25400000000000000000000000000000000",
                         "39370000000000000000000000000000000",
                         "99999990000000000000000000000000000",
                         "39370080000000000000000000000000000000",
                         "393700800000000000000000000000000000",
                         "10000000000000000000000000000000000000",
                         "Infinity",
                         "Infinity",
                         "2539999900000000000000000000000000000",
                         "25400000000000000000000000000000000000"};
    for (int i = 1; i <= 12; ++i) {
        QTest::addRow("1 #%d", i) << 1.0 << i << one[i - 1];
        QTest::addRow("-2 #%d", i) << -2.0 << i << minusTwo[i - 1];
        QTest::addRow("1e36 #%d", i) << 1e36 << i << big[i - 1];
        QTest::addRow("denormal #%d", i) << -1e-40 << i << "0";
    }
    QTest::newRow("-1e36 to mil") << -1e36 << 10 << "-Infinity";
    QTest::newRow("odd digits") << 123.456 << 4 << "4.8604627";
    QTest::newRow("float max to mil")
        << double(std::numeric_limits<float>::max()) << 10 << "Infinity";
    QTest::newRow("float max to cm") << double(std::numeric_limits<float>::max()) << 5
                                     << "34028235000000000000000000000000000000";
}

void TestConversion::convert() {
    QFETCH(double, value);
    QFETCH(int, index);
    QFETCH(QString, expected);
    const auto i = static_cast<std::uint8_t>(index);
    QCOMPARE(NumberText::format(ConvertValue::ConvertByIndex(static_cast<float>(value), i)),
             expected);
}

void TestConversion::units() {
    // "Inch" is capitalised for MIL -> INCH only; two captions end in a blank.
    QCOMPARE(ConvertValue::UnitByIndex(1), QStringLiteral("Inch"));
    QCOMPARE(ConvertValue::UnitByIndex(4), QStringLiteral("inch"));
    QCOMPARE(ConvertValue::UnitByIndex(6), QStringLiteral("mil"));
    QCOMPARE(ConvertValue::UnitByIndex(0), QString());
    QCOMPARE(ConvertValue::UnitByIndex(13), QString());
    QCOMPARE(ConvertValue::CaptionByIndex(1), QStringLiteral("MIL -> INCH "));
    QCOMPARE(ConvertValue::CaptionByIndex(4), QStringLiteral("MM -> INCH "));
    QCOMPARE(ConvertValue::CaptionByIndex(7), QStringLiteral("CM -> INCH"));
}

void TestConversion::errors_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("kind");
    const float inf = std::numeric_limits<float>::infinity();
    const int overflow = int(RuntimeError::Kind::Overflow);
    const int none = int(RuntimeError::Kind::NoConversionChosen);
    // Overflow is checked before the index: it wins even when none is chosen.
    for (int index : {0, 1, 10, 12, 200}) {
        QTest::addRow("+inf #%d", index) << inf << index << overflow;
        QTest::addRow("-inf #%d", index) << -inf << index << overflow;
    }
    QTest::newRow("none chosen") << 5.0f << 0 << none;
    QTest::newRow("13") << 5.0f << 13 << none;
    QTest::newRow("255") << 5.0f << 255 << none;
}

void TestConversion::errors() {
    QFETCH(float, value);
    QFETCH(int, index);
    QFETCH(int, kind);
    try {
        ConvertValue::ConvertByIndex(value, static_cast<std::uint8_t>(index));
        QFAIL("no error");
    } catch (const RuntimeError& error) {
        QCOMPARE(int(error.kind()), kind);
    }
}

void TestConversion::toSingleRoundsAtTheFloatLimit() {
    const float max = std::numeric_limits<float>::max();
    const float inf = std::numeric_limits<float>::infinity();
    QCOMPARE(ConvertValue::toSingle(0x1.fffffefffffffp127), max); // just below the midpoint
    QCOMPARE(ConvertValue::toSingle(0x1.ffffffp127), inf);        // the midpoint rounds to even
    QCOMPARE(ConvertValue::toSingle(-0x1.ffffffp127), -inf);
    QCOMPARE(ConvertValue::toSingle(std::numeric_limits<double>::max()), inf);
}

QTEST_APPLESS_MAIN(TestConversion)
#include "tst_conversion.moc"
