// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <exception>

// An error raised inside an event handler. Handlers do not trap it: the handler
// boundary (EventHandler) reports it, and the program carries on.
class RuntimeError : public std::exception {
public:
    enum class Kind { Overflow, NoConversionChosen };

    // message is the text shown to the user, a literal of the raiser's, marked for
    // translation in this class's context; message() gives it in the user's language.
    RuntimeError(Kind kind, const char* message) : m_kind(kind), m_message(message) {}

    Kind kind() const { return m_kind; }
    QString message() const { return QCoreApplication::translate("RuntimeError", m_message); }
    const char* what() const noexcept override { return m_message; }

private:
    Kind m_kind;
    const char* m_message;
};
