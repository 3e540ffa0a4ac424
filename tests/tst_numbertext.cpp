#include "platform/NumberText.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <cstring>
#include <limits>

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void val_data();
    void val();
    void format_data();
    void format();
    void formatReadsBackAsTheSameFloat();
};

void TestNumberText::val_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("decimal") << "2.5" << 2.5;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("minus") << "-2" << -2.0;
    QTest::newRow("exponent") << "1E3" << 1000.0;
    QTest::newRow("small exponent") << "2.5e-3" << 0.0025;
    QTest::newRow("letters after") << "12abc" << 12.0;
    QTest::newRow("blank inside") << "1 000" << 1000.0;
    QTest::newRow("blanks everywhere") << " - 1 . 5 e 1 " << -15.0;
    QTest::newRow("comma ends") << "1,5" << 1.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("exponent without digits") << "5e+x" << 5.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign") << "-" << 0.0;
    QTest::newRow("comma first") << ",5" << 0.0;
    QTest::newRow("inf") << "inf" << 0.0;
    QTest::newRow("nan") << "nan" << 0.0;
    QTest::newRow("hex prefix") << "0x10" << 0.0;
    QTest::newRow("thai digits") << QString::fromUtf8("๑๒") << 0.0;
    QTest::newRow("beyond float") << "1E39" << 1e39;
    QTest::newRow("beyond double") << "1E400" << inf;
    QTest::newRow("beyond double by digits") << QString(400, QLatin1Char('9')) << inf;
    QTest::newRow("huge exponent") << "1e99999999999999999999" << inf;
    QTest::newRow("below double") << "1E-400" << 0.0;
    QTest::newRow("below double by zeros") << "0." + QString(400, QLatin1Char('0')) + "1" << 0.0;
    QTest::newRow("zero with huge exponent") << "0e99999" << 0.0;
}

void TestNumberText::val() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double value = NumberText::val(text);
    QVERIFY(!std::isnan(value));
    QCOMPARE(value, expected);
}

void TestNumberText::format_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");
    const float inf = std::numeric_limits<float>::infinity();
    QTest::newRow("25.4") << 25.4f << "25.4";
    QTest::newRow("beyond seven digits") << 123456789.0f << "123456790";
    QTest::newRow("float max") << std::numeric_limits<float>::max()
                               << "340282350000000000000000000000000000000";
    QTest::newRow("fifteen places") << 1.5e-14f << "0.000000000000015";
    QTest::newRow("rounded to fifteen places") << 1.23e-14f << "0.000000000000012";
    QTest::newRow("rounds up to the last place") << 5e-16f << "0.000000000000001";
    QTest::newRow("smallest normal") << std::numeric_limits<float>::min() << "0";
    QTest::newRow("smallest denormal") << std::numeric_limits<float>::denorm_min() << "0";
    QTest::newRow("negative tiny") << -1e-20f << "0";
    QTest::newRow("negative zero") << -0.0f << "0";
    QTest::newRow("infinity") << inf << "Infinity";
    QTest::newRow("minus infinity") << -inf << "-Infinity";
}

void TestNumberText::format() {
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(NumberText::format(value), expected);
}

void TestNumberText::formatReadsBackAsTheSameFloat() {
    // Random bit patterns cover every exponent; a value whose digits fit in fifteen
    // places must read back exactly, and every text must have the promised shape.
    static const QRegularExpression shape(QStringLiteral("^-?[0-9]+(\\.[0-9]{1,15})?$"));
    QRandomGenerator random(20261206);
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        const quint32 bits = random.generate();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        const QString text = NumberText::format(value);
        QVERIFY2(shape.match(text).hasMatch(), qPrintable(text));
        if (std::fabs(value) >= 1e-5f || value == 0.0f) {
            const float back = static_cast<float>(NumberText::val(text));
            if (back != value && !(value == 0.0f && back == 0.0f))
                QFAIL(qPrintable(QStringLiteral("%1 read back as %2").arg(text).arg(double(back))));
            ++checked;
        }
    }
    QVERIFY(checked > 10000);
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
