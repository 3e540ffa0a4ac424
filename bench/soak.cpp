// SPDX-License-Identifier: GPL-3.0-or-later
// Soak: many Result commands on the real window, message boxes answered, the record
// window opened, closed and cleared along the way. Checks that no record line is lost
// or doubled and reports resident memory at the start and the end.
// Usage: soak [CONVERSIONS]
#include "mainwindow/Form1.h"
#include "platform/desktop/LentaroStyle.h"
#include "platform/forms/StandIn.h"
#include "records/Mrec.h"
#include "records/frmviewrec.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {
long residentKb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The lines since the last clearing must be numbered 1, 2, ... without a gap.
bool intact(const Mrec& records, int sinceClear) {
    const QStringList lines = records.lines();
    if (lines.size() != std::min(sinceClear, 255))
        return false;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].section(QLatin1Char('\t'), 0, 0).toInt() != i + 1 ||
            lines[i].count(QLatin1Char('\t')) != 2)
            return false;
    }
    return true;
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    LentaroStyle::install(app);
    const int total = argc > 1 ? std::atoi(argv[1]) : 100000;
    int warnings = 0;
    struct Counter : StandIn {
        int& count;
        explicit Counter(int& c) : count(c) {}
        bool message(const Message&) override { return ++count, true; }
        bool end(End) override { return false; }
        void helpCommand(quint32) override {}
    } counter(warnings);
    StandIn::set(&counter);
    Mrec records;
    Form1 form(records);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;

    int failed = 0;
    int sinceClear = 0;
    long startKb = 0;
    for (int i = 1; i <= total; ++i) {
        QTest::mouseClick(form.optconv(1 + i % 12), Qt::LeftButton, {}, QPoint(6, 8));
        QTest::keyClicks(form.txtinput(), QString::number(i % 100003));
        QTest::keyClick(form.txtinput(), Qt::Key_Return);
        ++sinceClear;
        if (i % 250 == 0) {
            form.mnuviewrec_Click();
            QCoreApplication::processEvents();
            frmviewrec* window = form.viewrec();
            if (window->lstrec() == nullptr || !intact(records, sinceClear))
                ++failed;
            if (i % 750 == 0) {
                window->cmdclear_Click();
                sinceClear = 0;
            }
            window->cmdexit_Click();
            QCoreApplication::processEvents();
        }
        if (i == 2000)
            startKb = residentKb();
    }
    if (!intact(records, sinceClear))
        ++failed;
    const long endKb = residentKb();
    std::printf("soak: %d conversions, %d message boxes answered, resident %ld KiB after 2000, "
                "%ld KiB at the end\n",
                total, warnings, startKb, endKb);
    // Memory is flat when the end is within 2 MiB of the start.
    const bool flat = endKb - startKb < 2048;
    if (!flat)
        ++failed;
    std::printf("%d passed, %d failed\n", failed ? 0 : 1, failed ? 1 : 0);
    return failed ? 1 : 0;
}
