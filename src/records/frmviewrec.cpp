// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/frmviewrec.h"

#include "platform/desktop/FormFit.h"
#include "platform/desktop/LentaroFonts.h"
#include "platform/desktop/ReadableText.h"
#include "platform/desktop/WindowPlace.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/EventHandler.h"
#include "platform/forms/FormColor.h"
#include "platform/forms/Twips.h"
#include "records/Mrec.h"
#include "records/RecordListView.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace {
constexpr std::uint32_t kOrange = 0x000080FF;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kRed = 0x000000FF;
constexpr std::uint32_t kBlack = 0x00000000;

} // namespace

frmviewrec::frmviewrec(Mrec& records, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_records(records) {
    setObjectName(QStringLiteral("frmviewrec"));
    setWindowTitle(tr("Recoard"));
    setFixedSize(Twips::size(4815, 4125));
    FormColor::setBack(this, kOrange);
    ReadableText::keepTextOn(this);
    setWindowModality(Qt::ApplicationModal);

    m_lstrec = new RecordListView(this);
    m_lstrec->setObjectName(QStringLiteral("lstrec"));
    m_lstrec->setGeometry(Twips::rect(120, 120, 4575, 3360));
    m_lstrec->setFont(LentaroFonts::thai(12));
    m_lstrec->setModel(m_records.records());
    FormColor::setBack(m_lstrec, kWhite);
    ReadableText::keepTextOn(m_lstrec);

    m_cmdclear = new CommandButton(tr("Clear Record"), this);
    m_cmdclear->setObjectName(QStringLiteral("cmdclear"));
    m_cmdclear->setGeometry(Twips::rect(2040, 3600, 1455, 375));
    connect(m_cmdclear, &QPushButton::clicked, this,
            EventHandler::slot(this, &frmviewrec::cmdclear_Click));

    m_lblmem = new QLabel(this);
    m_lblmem->setObjectName(QStringLiteral("lblmem"));
    m_lblmem->setGeometry(Twips::rect(1080, 3600, 615, 375));
    m_lblmem->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    m_lblmem->setAlignment(Qt::AlignCenter);
    FormColor::setBack(m_lblmem, kWhite);
    ReadableText::keepTextOn(m_lblmem);
    m_lblmem->setProperty(FormFit::kAlsoHolds, QStringList{QStringLiteral("255")});

    m_cmdexit = new CommandButton(tr("&Exit"), this);
    m_cmdexit->setObjectName(QStringLiteral("cmdexit"));
    m_cmdexit->setGeometry(Twips::rect(3600, 3600, 1095, 375));
    connect(m_cmdexit, &QPushButton::clicked, this,
            EventHandler::slot(this, &frmviewrec::cmdexit_Click));

    auto* label = new QLabel(tr("Memory ->"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setFont(LentaroFonts::thai(8.25, true));
    FormColor::setFore(label, kWhite);
    FormFit::sizeToText(label, Twips::rect(120, 3720, 855, 195));
    label->setBuddy(m_lblmem);

    // A window shortcut of a tool window would go to its owner, which is blocked.
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    help->setContext(Qt::WidgetWithChildrenShortcut);
    connect(help, &QShortcut::activated, this, &frmviewrec::helpRequested);

    QWidget::setTabOrder(m_lstrec, m_cmdclear);
    QWidget::setTabOrder(m_cmdclear, m_cmdexit);
    FormFit::fit(this);
}

void frmviewrec::showModal() {
    if (const QWidget* owner = parentWidget())
        WindowPlace::centreOver(this, owner);
    show();
    raise();
    activateWindow();
    m_lstrec->setFocus();
}

void frmviewrec::Form_Activate() {
    refreshMemory();
}

void frmviewrec::cmdclear_Click() {
    m_records.ClearRecords();
    // The colour is refreshed too, so the label never shows a full memory in red.
    refreshMemory();
}

void frmviewrec::cmdexit_Click() {
    hide();
}

void frmviewrec::refreshMemory() {
    const std::uint8_t left = m_records.memleft();
    FormColor::setFore(m_lblmem, left <= Mrec::kLowAt ? kRed : kBlack);
    m_lblmem->setText(QString::number(left));
    // Read out for what it is, with the "Memory ->" label that names it, and heard as
    // the window opens with the list that takes the focus.
    const QString slotsLeft = tr("%1 of %2 record slots left").arg(left).arg(Mrec::kSlots);
    m_lblmem->setAccessibleName(tr("Memory: %1").arg(slotsLeft));
    m_lstrec->setAccessibleDescription(slotsLeft);
}

bool frmviewrec::event(QEvent* event) {
    // Showing counts as activation too: on some window systems a tool window is
    // shown without ever being activated.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        Form_Activate();
    return QWidget::event(event);
}

void frmviewrec::closeEvent(QCloseEvent* event) {
    // Only Exit leaves this window; it lives as long as the program.
    event->ignore();
}
