// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

// What the result command works on: the input text, the result and unit captions and
// the input focus of the main window, plus the window's two fields. Before a window
// exists, PlainResultItems holds them as plain fields.
class ResultItems {
public:
    virtual ~ResultItems() = default;

    virtual QString inputText() const = 0;
    virtual void setInputText(const QString& text) = 0;
    virtual QString resultCaption() const = 0;
    virtual void setResultCaption(const QString& text) = 0;
    virtual QString unitCaption() const = 0;
    virtual void setUnitCaption(const QString& text) = 0;
    virtual void focusInput() = 0;

    // The chosen conversion, 0 until one is chosen.
    std::uint8_t convindex = 0;
    // The last converted value.
    float resultvalue = 0.0f;
};
