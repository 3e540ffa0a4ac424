// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line, read before any window system is touched, so that --help and
// --version work where no display can be opened.
class CommandLine {
public:
    static constexpr int kGoOn = -1;
    static constexpr int kOutputError = 1;
    static constexpr int kUsageError = 2;

    // kGoOn to start the program, or the exit code when it is to end here: after
    // --help or --version (kOutputError when the answer could not be written), or a
    // bad argument.
    static int handle(int argc, char* argv[]);
};
