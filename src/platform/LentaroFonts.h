#pragma once

#include <QFont>

// The Thai-capable sans face that stands in for the forms' "MS Sans Serif".
class LentaroFonts {
public:
    static QFont thai(qreal points, bool bold = false);
};
