// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_help/frmabout.h"

#include "platform/LentaroFonts.h"
#include "platform/Shape.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {
constexpr std::uint32_t kLightGrey = 0x00E0E0E0;
constexpr std::uint32_t kHighlight = 0x8000000D;
constexpr std::uint32_t kGrey = 0x00808080;
constexpr std::uint32_t kLightBlue = 0x00FF8080;

QLabel* label(QWidget* parent, const QString& name, const QString& text, int left, int top,
              std::uint32_t color) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    Twips::setForeColor(l, color);
    l->move(Twips::px(left), Twips::px(top));
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
    Twips::setBackColor(this, kLightGrey);
    resize(Twips::size(7560, 3090));
    setFocusPolicy(Qt::NoFocus);

    auto* panel = new Shape(this, QGuiApplication::palette().color(QPalette::Base));
    panel->setObjectName(QStringLiteral("Shape1"));
    panel->setGeometry(Twips::rect(120, 120, 7335, 2655));

    picture(this, QStringLiteral("Image1"), QStringLiteral(":/images/logo.gif"),
            Twips::rect(240, 360, 2865, 1200));

    QLabel* product = label(this, QStringLiteral("Label1"), productLine(), 3240, 360, kHighlight);
    product->setFont(LentaroFonts::thai(12, true));

    auto* frame = new Shape(this, QColor(), Shape::Corners::Rounded);
    frame->setObjectName(QStringLiteral("Shape2"));
    frame->setGeometry(Twips::rect(3360, 840, 3855, 1455));

    picture(this, QStringLiteral("Image2"), QStringLiteral(":/images/picture.gif"),
            Twips::rect(3480, 960, 750, 750));
    label(this, QStringLiteral("Label5"), QStringLiteral("Author : The Lentaro developers"), 4440,
          1200, kGrey);
    label(this, QStringLiteral("Label2"), QStringLiteral("E-mail : lentaro@example.org"), 4440,
          1440, kGrey);
    label(this, QStringLiteral("Label4"), QStringLiteral("Homepage : lentaro.example.org"), 3600,
          1920, kLightBlue);
    for (QLabel* l : findChildren<QLabel*>()) {
        if (l->pixmap().isNull())
            l->adjustSize();
    }

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frameRect = frameGeometry();
        frameRect.moveCenter(screen->availableGeometry().center());
        move(frameRect.topLeft());
    }
}

QString frmabout::productLine() {
    return QStringLiteral("โปรแกรม Lentaro Version ") + QStringLiteral(LENTARO_VERSION);
}
