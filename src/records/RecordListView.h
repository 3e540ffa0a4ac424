// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>

// The record list: copies the selected lines, oldest first, as tab-separated text.
class RecordListView : public QListView {
    Q_OBJECT
public:
    explicit RecordListView(QWidget* parent = nullptr);

    QString selectedText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
