// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The Thai-capable sans face that stands in for the forms' "MS Sans Serif".
class LentaroFonts {
public:
    static QFont thai(qreal points, bool bold = false);
};
