// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <exception>

// An error raised inside an event handler. Handlers do not trap it: the handler
// boundary (EventHandler) reports it, and the program carries on.
class RuntimeError : public std::exception {
public:
    enum class Kind { Overflow, NoConversionChosen };

    explicit RuntimeError(Kind kind) : m_kind(kind) {}

    Kind kind() const { return m_kind; }
    // The text shown to the user.
    QString message() const;
    const char* what() const noexcept override;

private:
    Kind m_kind;
};
