// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <memory>

// Starts the window system, or says in one line why it cannot, in place of Qt's
// plugin report and an abort.
class DisplayGuard {
public:
    static constexpr int kNoDisplay = 1;

    // The application. When no display can be opened, prints why and ends the
    // program with kNoDisplay.
    static std::unique_ptr<QApplication> open(int& argc, char* argv[]);
};
