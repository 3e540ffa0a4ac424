// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The Thai-capable sans face that stands in for the forms' "MS Sans Serif", at the
// sizes the forms name, grown in step with the desktop's text when the user has asked
// for bigger text.
class LentaroFonts {
public:
    // The desktop text size that the forms' sizes stand for.
    static const qreal kStandardPoints;

    static QFont thai(qreal points, bool bold = false);

    // How much bigger than standard the desktop's text is; never below 1.
    static qreal textScale() { return s_textScale; }
    // Takes the text scale from the desktop's own font.
    static void followDesktop(const QFont& desktop);

private:
    static inline qreal s_textScale = 1.0;
};
