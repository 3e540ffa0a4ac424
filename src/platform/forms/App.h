// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program as its windows and messages name it.
class App {
public:
    static inline const QString Title = QStringLiteral("Lentaro");
};
