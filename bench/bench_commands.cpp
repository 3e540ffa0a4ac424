// SPDX-License-Identifier: GPL-3.0-or-later
// Command benchmark: the whole Result command through real key events on the real
// window, and showing the record window holding 255 lines. Prints medians.
#include "mainwindow/Form1.h"
#include "platform/desktop/LentaroStyle.h"
#include "platform/forms/StandIn.h"
#include "records/Mrec.h"
#include "records/frmviewrec.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

double micros(Clock::time_point from) {
    return std::chrono::duration<double, std::micro>(Clock::now() - from).count();
}

void report(const char* what, std::vector<double> us) {
    std::sort(us.begin(), us.end());
    const auto at = [&](double q) { return us[static_cast<size_t>(q * double(us.size() - 1))]; };
    std::printf("%-34s n=%-5zu median %8.1f us   p90 %8.1f us   max %8.1f us\n", what, us.size(),
                at(0.5), at(0.9), us.back());
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    LentaroStyle::install(app);
    struct : StandIn {
        bool message(const Message&) override { return true; }
        bool end(End) override { return false; }
        void helpCommand(quint32) override {}
    } answer;
    StandIn::set(&answer);
    Mrec records;
    Form1 form(records);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    QTest::mouseClick(form.optconv(12), Qt::LeftButton, {}, QPoint(6, 8));

    std::vector<double> result;
    for (int i = 0; i < 5000; ++i) {
        if (records.memleft() < 2)
            records.ClearRecords();
        QTest::keyClicks(form.txtinput(), QString::number(i % 997) + QStringLiteral(".25"));
        const qsizetype before = records.lines().size();
        const auto start = Clock::now();
        QTest::keyClick(form.txtinput(), Qt::Key_Return);
        const double us = micros(start);
        if (records.lines().size() != before + 1 || !form.txtinput()->text().isEmpty())
            return 1;
        if (i >= 100) // warm-up
            result.push_back(us);
    }
    report("Result command (Enter key)", result);

    records.ClearRecords();
    for (int i = 0; i < 255; ++i) {
        QTest::keyClicks(form.txtinput(), QString::number(i));
        QTest::keyClick(form.txtinput(), Qt::Key_Return);
    }
    std::vector<double> firstShow, show;
    for (int i = 0; i < 51; ++i) {
        const auto start = Clock::now();
        form.mnuviewrec_Click();
        frmviewrec* window = form.viewrec();
        while (!window->windowHandle() || !window->windowHandle()->isExposed())
            QCoreApplication::processEvents();
        QCoreApplication::processEvents(); // the first paint
        (i == 0 ? firstShow : show).push_back(micros(start));
        window->cmdexit_Click();
        QTest::qWait(20);
    }
    report("Record window, first showing", firstShow);
    report("Record window, later showings", show);
    return 0;
}
