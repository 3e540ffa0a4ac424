#pragma once

#include <QString>
#include <exception>

// An error raised inside an event handler and reported by the handler boundary
// (EventHandler), the way the original run-time reported untrapped errors - except
// that the program carries on afterwards.
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
