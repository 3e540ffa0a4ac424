// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Mrec;
class ResultItems;

// The Result command: converts the typed text with the chosen conversion, shows the
// result and unit, records the conversion, and empties the input for the next one.
class ResultCommand {
public:
    // Throws RuntimeError (overflow, or no conversion chosen) before changing anything.
    static void run(ResultItems& items, Mrec& records);
};
