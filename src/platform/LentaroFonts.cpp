// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LentaroFonts.h"

namespace {
#ifdef Q_OS_WIN
// Every Windows has Tahoma, with Thai glyphs; it is the face Thai Windows uses for
// dialogs.
const QString kFamily = QStringLiteral("Tahoma");
#else
// Loma (Debian's fonts-tlwg-loma) is metrically close to the face Thai Windows uses
// for dialogs; fontconfig falls back to another Thai face if it is missing.
const QString kFamily = QStringLiteral("Loma");
#endif
} // namespace

QFont LentaroFonts::thai(qreal points, bool bold) {
    QFont font(kFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
