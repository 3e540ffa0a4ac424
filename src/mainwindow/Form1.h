// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversion/ResultItems.h"

#include <QPointer>
#include <QWidget>
#include <array>

class Announcer;
class Mrec;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class frmabout;
class frmviewrec;

// The main window: twelve conversions to choose from, the input row, the result and
// its unit, and the menu bar.
class Form1 : public QWidget, public ResultItems {
    Q_OBJECT
public:
    explicit Form1(Mrec& records, QWidget* parent = nullptr);
    ~Form1() override;

    // The result command's items.
    QString inputText() const override;
    void setInputText(const QString& text) override;
    QString resultCaption() const override;
    void setResultCaption(const QString& text) override;
    QString unitCaption() const override;
    void setUnitCaption(const QString& text) override;
    void focusInput() override;

    // Event handlers.
    void optconv_Click(int index);
    void txtinput_KeyPress(int keyAscii);
    void cmdresult_Click();
    void cmdclear_Click();
    void mnuviewrec_Click();
    void mnuFileclearrec_Click();
    void mnuFileexit_Click();
    void mnuabout_Click();
    void mnuhelp_Click();

    // The controls, for tests and for the windows this one opens.
    QRadioButton* optconv(int index) const { return m_optconv.at(static_cast<size_t>(index)); }
    QLineEdit* txtinput() const { return m_txtinput; }
    QLabel* lblresult() const { return m_lblresult; }
    QLabel* lblunit() const { return m_lblunit; }
    QPushButton* cmdresult() const { return m_cmdresult; }
    QPushButton* cmdclear() const { return m_cmdclear; }
    QAction* action(const QString& caption) const; // by its English caption
    frmviewrec* viewrec() const;
    frmabout* about() const;
    Announcer* announcer() const { return m_announcer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildResultRow(QWidget* client);
    void buildConversionGrid(QWidget* client);
    void buildInputRow(QWidget* client);
    void buildMenu();
    void setTabOrder();
    bool moveAmongOptions(int from, int key);
    void optionChosen(int index);

    Mrec& m_records;
    std::array<QRadioButton*, 13> m_optconv{}; // 1 to 12; 0 is unused
    QLabel* m_lblresult = nullptr;
    QLabel* m_lblunit = nullptr;
    QGroupBox* m_frame1 = nullptr;
    QGroupBox* m_frame2 = nullptr;
    QLineEdit* m_txtinput = nullptr;
    QPushButton* m_cmdclear = nullptr;
    QPushButton* m_cmdresult = nullptr;
    Announcer* m_announcer = nullptr;
    bool m_byArrowKeys = false; // a choice made by the arrow keys keeps the focus in the grid
    QMenuBar* m_menubar = nullptr;
    QPointer<frmviewrec> m_viewrec;
    QPointer<frmabout> m_about;
};
