// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/RecordListView.h"

#include "records/RecordListDelegate.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <algorithm>

RecordListView::RecordListView(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setItemDelegate(new RecordListDelegate(this));
}

QString RecordListView::selectedText() const {
    QModelIndexList rows = selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList lines;
    for (const QModelIndex& row : rows)
        lines << row.data().toString();
    return lines.join(QLatin1Char('\n'));
}

void RecordListView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        const QString text = selectedText();
        if (!text.isEmpty())
            QGuiApplication::clipboard()->setText(text + QLatin1Char('\n'));
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}
