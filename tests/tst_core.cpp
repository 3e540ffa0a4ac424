// SPDX-License-Identifier: GPL-3.0-or-later
#include "Row.h"
#include "Wcag.h"
#include "conversion/ConvertValue.h"
#include "conversion/PlainResultItems.h"
#include "conversion/ResultCommand.h"
#include "platform/desktop/ReadableText.h"
#include "platform/forms/RuntimeError.h"
#include "platform/help/HelpDocument.h"
#include "platform/text/NumberText.h"
#include "records/Mrec.h"

#include <QTest>
#include <QtCore>
#include <limits>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

// Everything that needs no window: the Result command over the conversion table, the
// text rules and the record memory (failures are the window tests' scenarios); and what
// a desktop program does without one: find its help safely and in the user's language,
// and answer its command line. Expected conversions are worked out independently of the
// code: the product in double, rounded to float, in the shortest digits that read back.
namespace {
// Puts a file of the given kind at path; false when this system cannot make one.
bool make(const QString& path, const QString& kind) {
    if (kind == "missing" || kind == "dir")
        return kind == "missing" || QDir().mkpath(path);
#ifndef Q_OS_WIN
    if (kind == "fifo")
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#endif
    const QHash<QString, QByteArray> texts{{"good", "<p>help</p>"},
                                           {"empty", ""},
                                           {"binary", QByteArray("<p>\0\xff", 5)},
                                           {"1MiB", QByteArray(HelpDocument::kMaxBytes, ' ')},
                                           {"5MiB", QByteArray(5 * HelpDocument::kMaxBytes, ' ')}};
    QFile file(path);
    return texts.contains(kind) && file.open(QIODevice::WriteOnly) &&
           file.write(texts[kind]) == texts[kind].size();
}
} // namespace

class TestCore : public QObject {
    Q_OBJECT
private slots:
    void convert_data() {
        columns<int, QString, QString, QString>({"index", "input", "result", "unit"});
        // Inputs whose product, rounded to float once from double, differs from one formed in
        // float or from a factor first taken to float.
        row("MIL -> INCH", 1, "0.7", "0.0007", "Inch");
        row("MIL -> CM", 2, "0.7", "0.0017779999", "cm");
        row("MIL -> MM", 3, "1.1", "0.027940001", "mm");
        row("MM -> INCH", 4, "14.5", "0.570865", "inch");
        row("MM -> CM", 5, "0.1", "0.01", "cm");
        row("MM -> MIL", 6, "0.1", "3.9370081", "mil");
        row("CM -> INCH", 7, "2.1", "0.8267716", "inch");
        row("CM -> MM", 8, "-2", "-20", "mm");
        row("CM -> MIL", 9, "0.1", "39.37008", "mil");
        row("INCH -> MIL", 10, "1", "1000", "mil");
        row("INCH -> CM", 11, "1.1", "2.7940001", "cm");
        row("INCH -> MM", 12, "1.3", "33.02", "mm");
        row("big product", 11, "1E36", "2539999900000000000000000000000000000", "cm");
        row("infinite product", 10, "1e36", "Infinity", "mil");
        row("-infinite product", 9, "-1E36", "-Infinity", "mil");
        row("blanks kept in the record", 8, " 1 5 ", "150", "mm");
        row("too small for a float", 12, "1e-50", "0", "mm");
        row("fifteen places", 5, "1.5e-13", "0.000000000000015", "cm");
        row("rounded to fifteen places", 5, "1.23e-13", "0.000000000000012", "cm");
        row("rounded up to the last place", 5, "6e-15", "0.000000000000001", "cm");
        row("negative, rounded to nothing", 5, "-1e-19", "0", "cm");
        row("negative zero", 8, "-0", "0", "mm");
        row("a tab in the input, a blank in the record", 8, "1\t2", "120", "mm");
    }

    void convert() {
        auto [input, result] = fetch<QString>("input", "result");
        Mrec mrec;
        PlainResultItems items;
        items.convindex = static_cast<std::uint8_t>(fetch<int>("index")[0]);
        items.setInputText(input);
        ResultCommand::run(items, mrec);
        QCOMPARE(items.resultCaption(), result);
        QTEST(items.unitCaption(), "unit");
        QCOMPARE(items.inputText(), QString());
        QCOMPARE(mrec.lines(), QStringList{"1\t" + input.replace('\t', ' ') + '\t' + result});
    }

    void noneChosen() { // 0 is no row of the table, no more than 13 is
        for (const std::uint8_t none : {0, 13}) {
            QVERIFY_THROWS_EXCEPTION(RuntimeError, ConvertValue::ConvertByIndex(1, none));
            QCOMPARE(ConvertValue::UnitByIndex(none) + ConvertValue::CaptionByIndex(none), "");
        }
    }

    void toSingleRoundsAtTheFloatLimit() {
        const float inf = std::numeric_limits<float>::infinity();
        QCOMPARE(ConvertValue::toSingle(0x1.fffffefffffffp127), // just below the midpoint
                 std::numeric_limits<float>::max());
        QCOMPARE(ConvertValue::toSingle(0x1.ffffffp127), inf); // the midpoint rounds to even
        QCOMPARE(ConvertValue::toSingle(-0x1.ffffffp127), -inf);
    }

    void val_data() {
        columns<QString, double>({"text", "expected"});
        const double inf = std::numeric_limits<double>::infinity();
        row("leading point", ".5", 0.5);
        row("letters after", "12abc", 12.0);
        row("blanks everywhere", " - 1 . 5 e 1 ", -15.0);
        row("comma ends", "1,5", 1.0);
        row("second point ends", "1.2.3", 1.2);
        row("exponent without digits", "5e+x", 5.0);
        row("comma first", ",5", 0.0);
        row("inf", "inf", 0.0);
        row("hex prefix", "0x10", 0.0);
        row("thai digits", QString::fromUtf8("๑๒.๕"), 12.5);
        row("arabic-indic digits", QString::fromUtf8("٣٤"), 34.0);
        row("mathematical digits", QString::fromUtf8("𝟕𝟖"), 78.0);
        row("full-width", QString::fromUtf8("－１．５Ｅ２"), -150.0);
        row("minus sign, thin and no-break spaces", QString::fromUtf8("−1\u2009000\u00a0000"),
            -1e6);
        row("beyond double", "1E400", inf);
        row("beyond double by digits", QString(400, QLatin1Char('9')), inf);
        row("below double", "1E-400", 0.0);
        row("below double by zeros", "0." + QString(400, QLatin1Char('0')) + "1", 0.0);
        row("zero with huge exponent", "0e99999", 0.0);
    }

    void val() { QTEST(NumberText::val(fetch<QString>("text")[0]), "expected"); }

    void helpSources_data() {
        // What lies at the requested path and in the installed folder, and which is shown.
        columns<QString, QString, QString>({"requested", "installed", "shown"});
        row("requested", "good", "good", "req");
        row("exactly the limit", "1MiB", "good", "req");
        for (const char* kind : {"missing", "fifo", "dir", "empty", "5MiB", "binary", "windows"})
            QTest::addRow("%s, then installed", kind) << kind << "good"
                                                      << "share";
        row("neither", "dir", "5MiB", ":/help");
    }

    void helpSources() {
        const auto [requested, installed, shown] =
            fetch<QString>("requested", "installed", "shown");
        QTemporaryDir dir;
        // Back before the folder goes, which Windows refuses while it is the working one.
        const auto back = qScopeGuard([was = QDir::currentPath()] { QDir::setCurrent(was); });
        const QString name = QStringLiteral("/HELP_LT.HLP");
        QString path = dir.filePath(QStringLiteral("req") + name);
        QVERIFY(QDir(dir.path()).mkdir("req") && QDir(dir.path()).mkdir("share"));
        if (requested == "windows") {
#ifdef Q_OS_WIN
            QSKIP("a drive letter is a path here");
#endif
            // A file named as the Windows path, in the working directory, is not it.
            path = QStringLiteral("Q:\\Kestrano") + name;
            QVERIFY(QDir::setCurrent(dir.path()) && QDir().mkpath(QStringLiteral("Q:\\Kestrano")));
            QVERIFY(make(path, QStringLiteral("good")) && QFile::exists(path));
        } else if (!make(path, requested)) {
            QSKIP("this system has no such files");
        }
        QVERIFY(make(dir.filePath(QStringLiteral("share") + name), installed));
        const auto page = HelpDocument::load(path, dir.filePath(QStringLiteral("share")));
        QCOMPARE(page.origin,
                 shown.startsWith(QLatin1Char(':')) ? shown + name : dir.filePath(shown + name));
    }

    void language() {
        const QString fixed = QStringLiteral("C:\\Program Files\\Kestrano\\HELP_LT.");
        QCOMPARE(HelpDocument::localized(fixed + "HLP", QLocale("th_TH")), fixed + "th.HLP");
        QCOMPARE(HelpDocument::localized(fixed + "HLP", QLocale("en_US")), fixed + "HLP");
        QCOMPARE(HelpDocument::localized("/x/HELP_LT.th.HLP", QLocale("en_GB")), "/x/HELP_LT.HLP");
    }

    void contrast_data() {
        columns<QRgb, QRgb, double>({"text", "background", "ratio"});
        row("grey on white", QRgb(0x767676), QRgb(0xffffff), 4.54);
        row("blue on white", QRgb(0x0000ff), QRgb(0xffffff), 8.59);
        row("white on red", QRgb(0xffffff), QRgb(0xff0000), 4.0);
        row("green on black", QRgb(0x00ff00), QRgb(0x000000), 15.3);
        row("black on white", QRgb(0x000000), QRgb(0xffffff), 21.0);
    }

    void contrast() {
        // Known ratios, the program's and the tests' own, to two places.
        const auto [text, background] = fetch<QRgb>("text", "background");
        for (const double measured :
             {ReadableText::contrast(text, background), wcag(background, text)})
            QVERIFY2(std::abs(measured - fetch<double>("ratio")[0]) < 0.005,
                     qPrintable(QString::number(measured)));
    }

    void commandLine_data() {

        // Into: where the output goes when not read, or a file; the user's interface
        // languages and locale (LANGUAGE/LANG), English where not given.
        columns<QStringList, int, QString, QString, QString, QString>(
            {"arguments", "code", "out", "err", "into", "language"});
        row("version", QStringList{"--version"}, 0, "^lentaro 1\\.0\\r?\\n$", "^$", "", "");
        row("help", QStringList{"--help"}, 0,
            "^Usage: lentaro \\[options\\]\\r?\\n(.|\\n)*--version", "^$", "", "");
        row("unknown option", QStringList{"--bogus"}, 2, "^$",
            "^lentaro: Unknown option 'bogus'\\.\\r?\\nUsage: lentaro ", "", "");
        row("stray argument", QStringList{"12"}, 2, "^$",
            "^lentaro: Unexpected argument '12'\\.\\r?\\nUsage: ", "", "");
#ifndef Q_OS_WIN
        row("no display", QStringList{}, 1, "^$",
            "^lentaro: cannot open a display\\.[^\\n]*DISPLAY[^\\n]*\\n$", "", "");
        row("help into a full output", QStringList{"--help"}, 1, "^$", "^lentaro: [^\\n]+\\n$",
            "/dev/full", "");
        row("help on a Thai desktop", QStringList{"--help"}, 0, "^วิธีใช้: lentaro \\[ตัวเลือก\\]\\n",
            "^$", "", "/th_TH.UTF-8");
        row("English asked for there", QStringList{"--help"}, 0, "^Usage: lentaro \\[options\\]\\n",
            "^$", "", "en/th_TH.UTF-8");
        row("the first one spoken", QStringList{"12"}, 2, "^$", "^lentaro: ไม่รับอาร์กิวเมนต์ '12'\\n",
            "", "de:th/de_DE.UTF-8");
#endif
    }

    void commandLine() {
        const auto [out, err, into, language] = fetch<QString>("out", "err", "into", "language");
        QProcess lentaro;
#ifndef Q_OS_WIN
        if (!into.isEmpty())
            lentaro.setStandardOutputFile(into);
#endif
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES"})
            env.remove(QString::fromLatin1(name));
        env.insert("LANGUAGE", language.section('/', 0, 0));
        env.insert("LANG", language.isEmpty() ? "C.UTF-8" : language.section('/', 1));
        lentaro.setProcessEnvironment(env);
        lentaro.start(QDir(QCoreApplication::applicationDirPath()).filePath(LENTARO_PROGRAM),
                      fetch<QStringList>("arguments")[0]);
        QVERIFY(lentaro.waitForFinished(60000));
        QCOMPARE(lentaro.exitStatus(), QProcess::NormalExit);
        for (const auto& [wanted, text] : {std::pair{out, lentaro.readAllStandardOutput()},
                                           {err, lentaro.readAllStandardError()}})
            QVERIFY2(QRegularExpression(wanted).match(QString::fromLocal8Bit(text)).hasMatch(),
                     text);
        QCOMPARE(lentaro.exitCode(), fetch<int>("code")[0]);
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
