// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/RecordListDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {
constexpr int kGap = 8;
}

void RecordListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, option.widget);

    const QStringList fields = index.data().toString().split(QLatin1Char('\t'));
    const QFontMetrics metrics(option.font);
    // The number column fits "255"; the input column fits twelve digits.
    const int numberWidth = metrics.horizontalAdvance(QStringLiteral("255"));
    const int inputWidth = metrics.horizontalAdvance(QStringLiteral("0")) * 12;
    const QRect area = option.rect.adjusted(kGap / 2, 0, -kGap / 2, 0);
    const QRect number(area.left(), area.top(), numberWidth, area.height());
    const QRect input(number.right() + kGap, area.top(), inputWidth, area.height());
    const QRect result(input.right() + kGap, area.top(), area.right() - input.right() - kGap,
                       area.height());

    painter->save();
    painter->setFont(option.font);
    painter->setPen(option.palette.color(
        option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    const auto draw = [&](const QRect& rect, int field, Qt::Alignment alignment) {
        if (field < fields.size())
            painter->drawText(rect, alignment | Qt::AlignVCenter,
                              metrics.elidedText(fields[field], Qt::ElideRight, rect.width()));
    };
    draw(number, 0, Qt::AlignRight);
    draw(input, 1, Qt::AlignLeft);
    draw(result, 2, Qt::AlignLeft);
    painter->restore();
}

QSize RecordListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(QFontMetrics(option.font).height() + 2);
    return size;
}

bool RecordListDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                   const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QStringList fields = index.data().toString().split(QLatin1Char('\t'));
    QToolTip::showText(event->globalPos(), fields.join(QStringLiteral("   ")), view);
    return true;
}
