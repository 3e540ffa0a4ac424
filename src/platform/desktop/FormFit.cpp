// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/FormFit.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <cmath>

const char* const FormFit::kAlsoHolds = "lentaroAlsoHolds";

namespace {
int advance(const QFont& font, const QString& text) {
    return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

// The controls drawn on the form, in the containers that hold them; not the parts a
// control is made of.
QList<QWidget*> controls(QWidget* container) {
    QList<QWidget*> found;
    for (QWidget* child :
         container->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        found << child;
        if (qobject_cast<QGroupBox*>(child))
            found << controls(child);
    }
    return found;
}
} // namespace

int FormFit::textWidth(const QWidget* control, const QString& text) {
    const QStyle* style = control->style();
    if (const auto* option = qobject_cast<const QRadioButton*>(control)) {
        // The trailing blank of a caption shows nothing.
        return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option) +
               advance(option->font(), text.trimmed());
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        QString shown = text;
        shown.remove(QLatin1Char('&'));
        return advance(button->font(), shown) +
               2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                    style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return advance(label->font(), text) + 2 * (label->frameWidth() + label->margin()) +
               (label->frameWidth() > 0 ? 2 : 0);
    }
    return 0;
}

double FormFit::needed(const QWidget* form) {
    double factor = 1;
    for (const QWidget* control : controls(const_cast<QWidget*>(form))) {
        QStringList texts = control->property(kAlsoHolds).toStringList();
        if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            texts << button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(control);
                 label && label->frameWidth() > 0)
            texts << label->text();
        for (const QString& text : texts) {
            if (const int width = control->width(); width > 0)
                factor = std::max(factor, double(textWidth(control, text)) / width);
        }
    }
    return factor;
}

double FormFit::fit(QWidget* form) {
    const double need = needed(form);
    if (need <= 1)
        return 1;
    const double factor = need * (1 + kRoom);
    const auto scaled = [factor](int v) { return static_cast<int>(std::lround(v * factor)); };
    const auto grow = [&](const QRect& r) {
        return QRect(scaled(r.x()), scaled(r.y()), scaled(r.width()), scaled(r.height()));
    };
    for (QWidget* control : controls(form))
        control->setGeometry(grow(control->geometry()));
    const QSize size(scaled(form->width()), scaled(form->height()));
    if (form->minimumSize() == form->maximumSize())
        form->setFixedSize(size);
    else if (!form->minimumSize().isEmpty())
        form->setMinimumSize(size);
    form->resize(size);
    return factor;
}

void FormFit::sizeToText(QLabel* label, const QRect& drawn) {
    label->setGeometry(QRect(drawn.topLeft(), drawn.size().expandedTo(label->sizeHint())));
}

void FormFit::showWhole(QLabel* label, const QString& text, const QFont& full,
                        qreal smallestPoints) {
    QFont font = full;
    const int room = label->contentsRect().width() - 2 * label->margin();
    // As drawn: Windows' fonts draw whole pixels a character, wider than their outlines.
    const auto drawn = [&text](const QFont& f) {
        return std::max(advance(f, text), QFontMetrics(f).horizontalAdvance(text));
    };
    // Text does not shrink quite in proportion to its size: step down until it fits.
    for (qreal points = full.pointSizeF() * std::min(1.0, double(room) / drawn(full));
         drawn(font) > room && font.pointSizeF() > smallestPoints; points -= 0.25)
        font.setPointSizeF(std::max(smallestPoints, points));
    label->setFont(font);
    label->setText(text);
    label->setToolTip(drawn(font) > room ? text : QString());
}
