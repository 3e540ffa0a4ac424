#pragma once

#include "platform/MessageBox.h"

#include <QList>

// Answers every message box at once and keeps what it said, for the test to check.
class MessageLog {
public:
    MessageLog() {
        MessageBox::setAnswerer([this](const MessageBox::Shown& shown) { m_shown << shown; });
    }
    ~MessageLog() { MessageBox::setAnswerer({}); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    qsizetype count() const { return m_shown.size(); }
    const MessageBox::Shown& last() const { return m_shown.last(); }
    QList<MessageBox::Shown> take() { return std::exchange(m_shown, {}); }

private:
    QList<MessageBox::Shown> m_shown;
};
