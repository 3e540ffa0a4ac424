#include "platform/LentaroFonts.h"

namespace {
// Loma (Debian's fonts-tlwg-loma) is metrically close to the face Thai Windows uses
// for dialogs; fontconfig falls back to another Thai face if it is missing.
const QString kFamily = QStringLiteral("Loma");
} // namespace

QFont LentaroFonts::thai(qreal points, bool bold) {
    QFont font(kFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
