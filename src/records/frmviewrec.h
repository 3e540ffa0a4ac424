// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class Mrec;
class QLabel;
class QPushButton;
class RecordListView;

// The record window: lists the record, shows the slots left, and clears the record.
// It is hidden rather than closed, and refuses every request to close.
class frmviewrec : public QWidget {
    Q_OBJECT
public:
    frmviewrec(Mrec& records, QWidget* owner);

    // Shows the window centred over its owner; no other window takes input until Exit.
    void showModal();

    void Form_Activate();
    void cmdclear_Click();
    void cmdexit_Click();

    RecordListView* lstrec() const { return m_lstrec; }
    QLabel* lblmem() const { return m_lblmem; }
    QPushButton* cmdclear() const { return m_cmdclear; }
    QPushButton* cmdexit() const { return m_cmdexit; }

signals:
    // F1: the main window's Help, which this window's modality would otherwise block.
    void helpRequested();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void refreshMemory();

    Mrec& m_records;
    RecordListView* m_lstrec = nullptr;
    QPushButton* m_cmdclear = nullptr;
    QLabel* m_lblmem = nullptr;
    QPushButton* m_cmdexit = nullptr;
};
