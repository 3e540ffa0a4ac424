// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversion/ResultItems.h"

// The result command's items as plain fields, for use without a window.
class PlainResultItems : public ResultItems {
public:
    QString inputText() const override { return m_input; }
    void setInputText(const QString& text) override { m_input = text; }
    QString resultCaption() const override { return m_result; }
    void setResultCaption(const QString& text) override { m_result = text; }
    QString unitCaption() const override { return m_unit; }
    void setUnitCaption(const QString& text) override { m_unit = text; }
    void focusInput() override {}

private:
    QString m_input;
    QString m_result = QStringLiteral("0");
    QString m_unit;
};
