// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/Form1.h"

#include "about_help/MopenHelpFile.h"
#include "about_help/frmabout.h"
#include "conversion/ConvertValue.h"
#include "conversion/ResultCommand.h"
#include "platform/desktop/Announcer.h"
#include "platform/desktop/FormFit.h"
#include "platform/desktop/LentaroFonts.h"
#include "platform/desktop/ReadableText.h"
#include "platform/desktop/WindowPlace.h"
#include "platform/forms/App.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/EventHandler.h"
#include "platform/forms/FormColor.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/ProgramEnd.h"
#include "platform/forms/Shape.h"
#include "platform/forms/Twips.h"
#include "platform/text/InputValidator.h"
#include "records/Mrec.h"
#include "records/frmviewrec.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kRed = 0x000000FF;
constexpr std::uint32_t kBlue = 0x00FF0000;
constexpr std::uint32_t kLightGreen = 0x00C0FFC0;
constexpr std::uint32_t kLightYellow = 0x00C0FFFF;
constexpr int kKeyEnter = 13;

// A white box with a sunken border, as a text box has.
QLabel* sunkenLabel(QWidget* parent, const QRect& geometry, const QFont& font) {
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFont(font);
    FormColor::setBack(label, kWhite);
    ReadableText::keepTextOn(label);
    return label;
}

} // namespace

Form1::Form1(Mrec& records, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_records(records) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(App::Title);
    // A BMP, which Qt reads itself, where a PNG would page in libpng at every start; named
    // as such, since left to guess Qt loads every image plugin it has first.
    QImageReader icon(QStringLiteral(":/icons/lentaro-32.bmp"), "bmp");
    icon.setAutoDetectImageFormat(false);
    setWindowIcon(QIcon(QPixmap::fromImage(icon.read())));
    m_records.setMessageSink([this](const QString& text, const QString& title, MessageStyle style) {
        MessageBox::ShowMessage(this, text, title, style);
    });

    // Controls keep their places whatever the window's size: no layouts, but for the one
    // that puts the menu bar over them. A main window would do the same with a good deal
    // more of Qt paged in at every start, for docks and tool bars this window never has.
    auto* client = new QWidget(this);
    client->setMinimumSize(Twips::size(5295, 4875));
    m_menubar = new QMenuBar(this);
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    stack->setMenuBar(m_menubar);
    stack->addWidget(client);
    buildResultRow(client);
    buildConversionGrid(client);
    buildInputRow(client);
    buildMenu();
    setTabOrder();
    m_announcer = new Announcer(client);
    client->resize(client->minimumSize());
    FormFit::fit(client);

    // Form_Load
    m_records.setMemleft(Mrec::kSlots);

    resize(client->minimumWidth(), client->minimumHeight() + m_menubar->sizeHint().height());
    WindowPlace::centreOnScreen(this);

    // Giving optconv(1) the first focus chooses it, and choosing moves the focus on.
    m_optconv[1]->setChecked(true);
}

Form1::~Form1() {
    m_records.setMessageSink({});
}

void Form1::buildResultRow(QWidget* client) {
    m_lblresult =
        sunkenLabel(client, Twips::rect(120, 240, 4305, 555), LentaroFonts::thai(12, true));
    m_lblresult->setObjectName(QStringLiteral("lblresult"));
    m_lblresult->setText(QStringLiteral("0"));
    m_lblresult->setAccessibleDescription(tr("Result"));

    m_lblunit = sunkenLabel(client, Twips::rect(4560, 240, 585, 555), LentaroFonts::thai(12));
    m_lblunit->setObjectName(QStringLiteral("lblunit"));
    FormColor::setFore(m_lblunit, kRed);
    m_lblunit->setAccessibleDescription(tr("Unit"));
    QStringList units;
    for (std::uint8_t index = 1; index <= ConvertValue::kCount; ++index)
        units << ConvertValue::UnitByIndex(index);
    m_lblunit->setProperty(FormFit::kAlsoHolds, units);
}

void Form1::buildConversionGrid(QWidget* client) {
    m_frame1 = new QGroupBox(tr("Convert "), client);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(Twips::rect(120, 960, 5055, 2535));

    constexpr std::array<std::uint32_t, 4> bands{kLightGreen, kLightYellow, kLightGreen,
                                                 kLightYellow};
    for (int row = 0; row < 4; ++row) {
        auto* band = new Shape(m_frame1, FormColor::of(bands[row]));
        band->setObjectName(QStringLiteral("Shape%1").arg(row + 1));
        band->setGeometry(Twips::rect(120, 360 + row * 480, 4815, 495));
    }

    constexpr std::array<int, 3> lefts{360, 2040, 3600};
    for (int index = 1; index <= ConvertValue::kCount; ++index) {
        const int row = (index - 1) / 3;
        const int column = (index - 1) % 3;
        const bool narrow = column == 2 && row < 3;
        auto* option = new QRadioButton(
            ConvertValue::CaptionByIndex(static_cast<std::uint8_t>(index)), m_frame1);
        option->setObjectName(QStringLiteral("optconv(%1)").arg(index));
        option->setGeometry(Twips::rect(lefts[column], 480 + row * 480, narrow ? 1095 : 1215, 255));
        FormColor::setBack(option, bands[row]);
        ReadableText::keepTextOn(option);
        option->installEventFilter(this);
        // The grid is one tab stop, the chosen option, as a group of options is on Windows.
        option->setFocusPolicy(Qt::ClickFocus);
        connect(option, &QRadioButton::toggled, this, [this, option, index](bool on) {
            option->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
            if (on)
                optionChosen(index);
        });
        // A click on the option already chosen changes nothing but the focus.
        connect(option, &QRadioButton::clicked, this, [this, index] {
            EventHandler::run(this, [this, index] { optconv_Click(index); });
        });
        m_optconv[static_cast<size_t>(index)] = option;
    }
}

void Form1::buildInputRow(QWidget* client) {
    m_frame2 = new QGroupBox(client);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_frame2->setGeometry(Twips::rect(120, 3600, 5055, 1095));

    auto* label = new QLabel(tr("Insert Value"), m_frame2);
    label->setObjectName(QStringLiteral("Label1"));
    FormFit::sizeToText(label, Twips::rect(720, 240, 870, 195));

    m_txtinput = new QLineEdit(m_frame2);
    m_txtinput->setObjectName(QStringLiteral("txtinput"));
    m_txtinput->setGeometry(Twips::rect(360, 480, 1575, 375));
    m_txtinput->setAlignment(Qt::AlignRight);

    m_txtinput->setFont(LentaroFonts::thai(9.75));
    // The validator holds the box to its 12 characters, so that a paste too long is
    // refused whole rather than cut.
    auto* rules = new InputValidator(m_txtinput);
    connect(rules, &InputValidator::pasteTooLong, this, [this] {
        const QString notice =
            tr("Not pasted: more than %1 characters").arg(InputValidator::kLength);
        QToolTip::showText(m_txtinput->mapToGlobal(QPoint(0, m_txtinput->height())), notice,
                           m_txtinput);
        m_announcer->announce(notice, m_txtinput);
    });
    FormColor::setFore(m_txtinput, kBlue);
    ReadableText::keepBackgroundUnder(m_txtinput);
    m_txtinput->setAccessibleName(label->text());
    m_txtinput->setAccessibleDescription(tr("Value to convert"));
    label->setBuddy(m_txtinput);
    m_txtinput->installEventFilter(this);

    m_cmdclear = new CommandButton(tr("Clear"), m_frame2);
    m_cmdclear->setObjectName(QStringLiteral("cmdclear"));
    m_cmdclear->setGeometry(Twips::rect(2400, 360, 855, 495));
    connect(m_cmdclear, &QPushButton::clicked, this,
            EventHandler::slot(this, &Form1::cmdclear_Click));

    m_cmdresult = new CommandButton(tr("Result"), m_frame2);
    m_cmdresult->setObjectName(QStringLiteral("cmdresult"));
    m_cmdresult->setGeometry(Twips::rect(3480, 360, 1335, 495));
    connect(m_cmdresult, &QPushButton::clicked, this,
            EventHandler::slot(this, &Form1::cmdresult_Click));
}

void Form1::buildMenu() {
    QMenu* file = m_menubar->addMenu(tr("File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addAction(tr("View Record"), this, EventHandler::slot(this, &Form1::mnuviewrec_Click));
    file->addAction(tr("Clear Record"), this,
                    EventHandler::slot(this, &Form1::mnuFileclearrec_Click));
    QAction* exit =
        file->addAction(tr("Exit"), this, EventHandler::slot(this, &Form1::mnuFileexit_Click));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    exit->setShortcutContext(Qt::WindowShortcut);
    m_menubar->addAction(tr("About"), this, EventHandler::slot(this, &Form1::mnuabout_Click));
    QAction* help =
        m_menubar->addAction(tr("Help"), this, EventHandler::slot(this, &Form1::mnuhelp_Click));
    help->setShortcut(QKeySequence::HelpContents);
    help->setShortcutContext(Qt::WindowShortcut);
}

void Form1::setTabOrder() {
    // The forms' order, kept so that Tab goes where it always went: from the grid to Result,
    // Clear and the input box, and round to the grid again. Only the chosen option is a stop
    // (a group of options is one, as on Windows); every option keeps its place in the chain
    // all the same, so that wherever the choice falls, the grid comes between the input box
    // and Result.
    const std::array<QWidget*, 15> order{m_optconv[1],  m_optconv[2],  m_optconv[8], m_optconv[4],
                                         m_optconv[5],  m_optconv[7],  m_cmdresult,  m_cmdclear,
                                         m_txtinput,    m_optconv[3],  m_optconv[6], m_optconv[9],
                                         m_optconv[10], m_optconv[11], m_optconv[12]};
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QAction* Form1::action(const QString& caption) const {
    // Named as written, and found in whatever language it is shown in.
    const QString shown = tr(caption.toUtf8().constData());
    for (QAction* candidate : findChildren<QAction*>()) {
        if (candidate->text() == shown)
            return candidate;
    }
    return nullptr;
}

frmviewrec* Form1::viewrec() const {
    return m_viewrec;
}

frmabout* Form1::about() const {
    return m_about;
}

QString Form1::inputText() const {
    return m_txtinput->text();
}

void Form1::setInputText(const QString& text) {
    m_txtinput->setText(text);
}

QString Form1::resultCaption() const {
    return m_lblresult->text();
}

void Form1::setResultCaption(const QString& text) {
    // A long result shrinks to fit rather than losing its leading digits. Down to 7 points:
    // the widest a float gives, 40 characters, then fits in Tahoma too, whose bold digits
    // are wide and whose sizes Windows rounds up to whole pixels.
    FormFit::showWhole(m_lblresult, text, LentaroFonts::thai(12, true),
                       LentaroFonts::thai(7).pointSizeF());
    // Selectable for copying once it holds a result, but not a tab stop. Not before: a
    // label that can take the focus is drawn through a text document, and the "0" it
    // opens with is not worth paging that part of Qt in at every start.
    if (m_lblresult->focusPolicy() == Qt::NoFocus) {
        m_lblresult->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                             Qt::TextSelectableByKeyboard);
        m_lblresult->setFocusPolicy(Qt::ClickFocus);
    }
}

QString Form1::unitCaption() const {
    return m_lblunit->text();
}

void Form1::setUnitCaption(const QString& text) {
    m_lblunit->setText(text);
}

void Form1::focusInput() {
    m_txtinput->setFocus(Qt::OtherFocusReason);
}

void Form1::optconv_Click(int index) {
    convindex = static_cast<std::uint8_t>(index);
    focusInput();
}

void Form1::optionChosen(int index) {
    // The one place a choice takes effect, whatever made it: a click, a key, the program,
    // or assistive technology toggling the option through its accessible action, which
    // never clicks. So the option shown chosen is always the one converted with.
    if (EventHandler::blocked(this)) {
        // Under a modal window, no choice is taken; the shown one goes back to the held one.
        if (QRadioButton* held = m_optconv.at(convindex); held && convindex != index)
            held->setChecked(true);
        return;
    }
    if (m_byArrowKeys)
        convindex = static_cast<std::uint8_t>(index);
    else
        EventHandler::run(this, [this, index] { optconv_Click(index); });
}

void Form1::txtinput_KeyPress(int keyAscii) {
    if (keyAscii == kKeyEnter)
        cmdresult_Click();
}

void Form1::cmdresult_Click() {
    ResultCommand::run(*this, m_records);
    // A screen reader does not read a label that changes: the result is announced, from the
    // input box, which has the focus now.
    m_announcer->announce((m_lblresult->text() + QLatin1Char(' ') + m_lblunit->text()).trimmed(),
                          m_txtinput);
}

void Form1::cmdclear_Click() {
    m_txtinput->setText(QString());
}

void Form1::mnuviewrec_Click() {
    if (!m_viewrec) {
        m_viewrec = new frmviewrec(m_records, this);
        // Asked for from the record window, so not blocked by it.
        connect(m_viewrec, &frmviewrec::helpRequested, this,
                [this] { EventHandler::run(m_viewrec, [this] { mnuhelp_Click(); }); });
    }
    m_viewrec->showModal();
}

void Form1::mnuFileclearrec_Click() {
    m_records.ClearRecords();
}

void Form1::mnuFileexit_Click() {
    ProgramEnd::request(ProgramEnd::Way::Immediate);
}

void Form1::mnuabout_Click() {
    // One closed a moment ago is on its way out, whether or not it is gone yet.
    if (!m_about || !m_about->isVisible())
        m_about = new frmabout;
    WindowPlace::bringForward(m_about);
}

void Form1::mnuhelp_Click() {
    MopenHelpFile::showContents(this);
}

bool Form1::moveAmongOptions(int from, int key) {
    // Arrow keys walk the grid and choose as they go, keeping the focus in it, so that
    // any conversion is a few keys away; Space or a click then goes on to the input.
    int to = from;
    switch (key) {
    case Qt::Key_Left:
        to = from - 1;
        break;
    case Qt::Key_Right:
        to = from + 1;
        break;
    case Qt::Key_Up:
        to = from - 3;
        break;
    case Qt::Key_Down:
        to = from + 3;
        break;
    default:
        return false;
    }
    if (to >= 1 && to <= ConvertValue::kCount) {
        m_byArrowKeys = true;
        m_optconv[static_cast<size_t>(to)]->setChecked(true);
        m_byArrowKeys = false;
        m_optconv[static_cast<size_t>(to)]->setFocus(Qt::TabFocusReason);
    }
    return true;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == m_txtinput) {
        // Ctrl+X is File > Exit here too; the input box must not claim it for cutting.
        if (event->type() == QEvent::ShortcutOverride &&
            key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_X))
            return true;
        if (event->type() == QEvent::KeyPress &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            EventHandler::run(this, [this] { txtinput_KeyPress(kKeyEnter); });
            return true;
        }
        // The keypad's decimal key is the decimal point wherever it is, as on a calculator;
        // a layout that gives it a comma would have 1,5 read as 1.
        if (event->type() == QEvent::KeyPress && (key->modifiers() & Qt::KeypadModifier) &&
            (key->key() == Qt::Key_Comma || key->key() == Qt::Key_Period) &&
            key->text() != QLatin1String(".")) {
            m_txtinput->insert(QStringLiteral("."));
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        const auto option = std::find(m_optconv.begin() + 1, m_optconv.end(), watched);
        if (option != m_optconv.end() &&
            moveAmongOptions(static_cast<int>(option - m_optconv.begin()), key->key()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
    // Form_Unload
    MopenHelpFile::quitViewer(this);
    event->accept();
    ProgramEnd::request(ProgramEnd::Way::AfterUnload);
}
