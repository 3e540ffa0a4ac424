// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_help/frmabout.h"

#include "platform/desktop/FormFit.h"
#include "platform/desktop/LentaroFonts.h"
#include "platform/desktop/ReadableText.h"
#include "platform/desktop/WindowPlace.h"
#include "platform/forms/FormColor.h"
#include "platform/forms/Shape.h"
#include "platform/forms/Twips.h"

#include <QLabel>
#include <QShortcut>
#include <QStyle>

namespace {
constexpr std::uint32_t kLightGrey = 0x00E0E0E0;
constexpr std::uint32_t kHighlight = 0x8000000D;
constexpr std::uint32_t kGrey = 0x00808080;
constexpr std::uint32_t kLightBlue = 0x00FF8080;
constexpr std::uint32_t kWhite = 0x00FFFFFF;

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
              std::uint32_t color, const QFont& font = QFont()) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    if (font != QFont())
        l->setFont(font);
    FormColor::setFore(l, color);
    FormFit::sizeToText(l, geometry);
    return l;
}

QLabel* picture(QWidget* parent, const QString& name, const QString& file, const QRect& geometry) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setPixmap(QPixmap(file));
    l->setGeometry(geometry);
    return l;
}
} // namespace

frmabout::frmabout(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmabout"));
    setWindowTitle(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowIcon(QIcon());
    FormColor::setBack(this, kLightGrey);
    ReadableText::keepTextOn(this);
    resize(Twips::size(7560, 3090));
    setFocusPolicy(Qt::NoFocus);

    // A white panel, as the window background was on the desktop these colours were
    // chosen for: the grey and blue lines on it are only readable there.
    auto* panel = new Shape(this, FormColor::of(kWhite));
    panel->setObjectName(QStringLiteral("Shape1"));
    panel->setGeometry(Twips::rect(120, 120, 7335, 2655));

    picture(this, QStringLiteral("Image1"), QStringLiteral(":/images/logo.gif"),
            Twips::rect(240, 360, 2865, 1200));

    QLabel* product =
        label(this, QStringLiteral("Label1"), productLine(), Twips::rect(3240, 360, 4080, 300),
              kHighlight, LentaroFonts::thai(12, true));
    QPalette productColours = product->palette();
    // The system's highlight colour, on the white panel rather than the window it was
    // chosen for.
    productColours.setColor(
        QPalette::WindowText,
        ReadableText::asReadableAs(FormColor::of(kHighlight),
                                   style()->standardPalette().color(QPalette::Highlight),
                                   FormColor::of(kWhite)));
    product->setPalette(productColours);

    auto* frame = new Shape(this, QColor(), Shape::Corners::Rounded);
    frame->setObjectName(QStringLiteral("Shape2"));
    frame->setGeometry(Twips::rect(3360, 840, 3855, 1455));

    picture(this, QStringLiteral("Image2"), QStringLiteral(":/images/picture.gif"),
            Twips::rect(3480, 960, 750, 750));
    label(this, QStringLiteral("Label5"), tr("Author : The Lentaro developers"),
          Twips::rect(4440, 1200, 2625, 195), kGrey);
    label(this, QStringLiteral("Label2"), tr("E-mail : lentaro@example.org"),
          Twips::rect(4440, 1440, 2100, 195), kGrey);
    label(this, QStringLiteral("Label4"), tr("Homepage : lentaro.example.org"),
          Twips::rect(3600, 1920, 3420, 195), kLightBlue);

    auto* close = new QShortcut(QKeySequence::Cancel, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    WindowPlace::centreOnScreen(this);
}

QString frmabout::productLine() {
    return tr("โปรแกรม Lentaro Version %1").arg(QStringLiteral(LENTARO_VERSION));
}
