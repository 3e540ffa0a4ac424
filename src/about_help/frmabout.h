// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The About window: product name and version, two pictures and the contact lines.
// Modeless; it is discarded when closed.
class frmabout : public QWidget {
    Q_OBJECT
public:
    explicit frmabout(QWidget* parent = nullptr);

    static QString productLine();
};
