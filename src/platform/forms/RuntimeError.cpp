// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/RuntimeError.h"

QString RuntimeError::message() const {
    return QString::fromLatin1(what());
}

const char* RuntimeError::what() const noexcept {
    switch (m_kind) {
    case Kind::Overflow:
        return "Overflow: the number is too large. Lentaro takes values up to about 3.4 x 10^38.";
    case Kind::NoConversionChosen:
        return "Choose a conversion first.";
    }
    return "Error";
}
