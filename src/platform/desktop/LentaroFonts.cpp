// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/LentaroFonts.h"

#include <algorithm>

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

#ifdef Q_OS_WIN
// Windows' message font at 100% text size (Segoe UI 9).
const qreal LentaroFonts::kStandardPoints = 9;
#else
// What GNOME, KDE and GTK give by default (9 or 10).
const qreal LentaroFonts::kStandardPoints = 10;
#endif

QFont LentaroFonts::thai(qreal points, bool bold) {
    QFont font(kFamily);
    font.setPointSizeF(points * s_textScale);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void LentaroFonts::followDesktop(const QFont& desktop) {
    const qreal points = desktop.pointSizeF();
    s_textScale = points > 0 ? std::max<qreal>(1, points / kStandardPoints) : 1;
}
