#include "conversion/ConvertValue.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

#include <QTest>
#include <cmath>
#include <limits>

// Expected texts are worked out independently of the code under test: the product in
// double, rounded to float, then written with the shortest digits that read back.
class TestConversion : public QObject {
    Q_OBJECT
private slots:
    void convert_data();
    void convert();
    void captionsAndUnits_data();
    void captionsAndUnits();
    void zeroKeepsNoSign();
    void infiniteInputOverflowsBeforeAnyIndexIsUsed();
    void indexOutsideTableIsAnError_data();
    void indexOutsideTableIsAnError();
    void toSingleRoundsAtTheFloatLimit_data();
    void toSingleRoundsAtTheFloatLimit();
};

void TestConversion::convert_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");

    const char* one[] = {"0.001",     "0.00254", "0.0254",   "0.03937", "0.1",  "39.37008",
                         "0.3937008", "10",      "393.7008", "1000",    "2.54", "25.4"};
    const char* odd[] = {"0.123456",  "0.31357825", "3.1357825", "4.8604627",
                         "12.3456",   "4860.4727",  "48.604725", "1234.56",
                         "48604.727", "123456",     "313.57825", "3135.7825"};
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
        QTest::addRow("123.456 #%d", i) << 123.456 << i << odd[i - 1];
        QTest::addRow("-2 #%d", i) << -2.0 << i << minusTwo[i - 1];
        QTest::addRow("1e36 #%d", i) << 1e36 << i << big[i - 1];
        QTest::addRow("-1e36 #%d", i)
            << -1e36 << i
            << (big[i - 1][0] == 'I' ? QStringLiteral("-Infinity") : QLatin1Char('-') + big[i - 1]);
        QTest::addRow("0 #%d", i) << 0.0 << i << "0";
        QTest::addRow("denormal #%d", i) << 1e-40 << i << "0";
    }
    QTest::newRow("float max, factor 1000")
        << double(std::numeric_limits<float>::max()) << 10 << "Infinity";
    QTest::newRow("float max, factor 0.1") << double(std::numeric_limits<float>::max()) << 5
                                           << "34028235000000000000000000000000000000";
    QTest::newRow("just fits after rounding")
        << 3.4e38 << 7 << "133858280000000000000000000000000000000";
}

void TestConversion::convert() {
    QFETCH(double, value);
    QFETCH(int, index);
    QFETCH(QString, expected);
    const float converted =
        ConvertValue::ConvertByIndex(static_cast<float>(value), static_cast<std::uint8_t>(index));
    QCOMPARE(NumberText::format(converted), expected);
}

void TestConversion::captionsAndUnits_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("unit");
    QTest::newRow("1") << 1 << "MIL -> INCH "
                       << "Inch";
    QTest::newRow("2") << 2 << "MIL -> CM"
                       << "cm";
    QTest::newRow("3") << 3 << "MIL -> MM"
                       << "mm";
    QTest::newRow("4") << 4 << "MM -> INCH "
                       << "inch";
    QTest::newRow("5") << 5 << "MM -> CM"
                       << "cm";
    QTest::newRow("6") << 6 << "MM -> MIL"
                       << "mil";
    QTest::newRow("7") << 7 << "CM -> INCH"
                       << "inch";
    QTest::newRow("8") << 8 << "CM -> MM"
                       << "mm";
    QTest::newRow("9") << 9 << "CM -> MIL"
                       << "mil";
    QTest::newRow("10") << 10 << "INCH -> MIL"
                        << "mil";
    QTest::newRow("11") << 11 << "INCH -> CM"
                        << "cm";
    QTest::newRow("12") << 12 << "INCH -> MM"
                        << "mm";
    QTest::newRow("none") << 0 << ""
                          << "";
    QTest::newRow("13") << 13 << ""
                        << "";
    QTest::newRow("255") << 255 << ""
                         << "";
}

void TestConversion::captionsAndUnits() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QString, unit);
    const auto i = static_cast<std::uint8_t>(index);
    QCOMPARE(ConvertValue::CaptionByIndex(i), caption);
    QCOMPARE(ConvertValue::UnitByIndex(i), unit);
}

void TestConversion::zeroKeepsNoSign() {
    const float negativeZero = ConvertValue::ConvertByIndex(-0.0f, 12);
    QCOMPARE(NumberText::format(negativeZero), QStringLiteral("0"));
    QCOMPARE(NumberText::format(ConvertValue::ConvertByIndex(-1e-40f, 1)), QStringLiteral("0"));
}

void TestConversion::infiniteInputOverflowsBeforeAnyIndexIsUsed() {
    const float inf = std::numeric_limits<float>::infinity();
    for (int index : {0, 1, 10, 12, 200}) {
        for (float value : {inf, -inf}) {
            try {
                ConvertValue::ConvertByIndex(value, static_cast<std::uint8_t>(index));
                QFAIL(qPrintable(QStringLiteral("no error at index %1").arg(index)));
            } catch (const RuntimeError& error) {
                QCOMPARE(error.kind(), RuntimeError::Kind::Overflow);
                QCOMPARE(error.message(), QStringLiteral("Overflow"));
            }
        }
    }
}

void TestConversion::indexOutsideTableIsAnError_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("none chosen") << 0;
    QTest::newRow("13") << 13;
    QTest::newRow("255") << 255;
}

void TestConversion::indexOutsideTableIsAnError() {
    QFETCH(int, index);
    try {
        ConvertValue::ConvertByIndex(5.0f, static_cast<std::uint8_t>(index));
        QFAIL("no error");
    } catch (const RuntimeError& error) {
        QCOMPARE(error.kind(), RuntimeError::Kind::NoConversionChosen);
        QCOMPARE(error.message(), QStringLiteral("Choose a conversion first."));
    }
}

void TestConversion::toSingleRoundsAtTheFloatLimit_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<float>("expected");
    const float max = std::numeric_limits<float>::max();
    const float inf = std::numeric_limits<float>::infinity();
    QTest::newRow("max") << double(max) << max;
    QTest::newRow("just below the midpoint") << 0x1.fffffefffffffp127 << max;
    QTest::newRow("midpoint rounds to even: infinity") << 0x1.ffffffp127 << inf;
    QTest::newRow("negative midpoint") << -0x1.ffffffp127 << -inf;
    QTest::newRow("double max") << std::numeric_limits<double>::max() << inf;
    QTest::newRow("ordinary") << 25.4 << 25.4f;
}

void TestConversion::toSingleRoundsAtTheFloatLimit() {
    QFETCH(double, value);
    QFETCH(float, expected);
    QCOMPARE(ConvertValue::toSingle(value), expected);
}

QTEST_APPLESS_MAIN(TestConversion)
#include "tst_conversion.moc"
