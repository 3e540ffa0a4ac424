// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion/ResultCommand.h"

#include "conversion/ConvertValue.h"
#include "conversion/ResultItems.h"
#include "platform/text/NumberText.h"
#include "records/Mrec.h"

void ResultCommand::run(ResultItems& items, Mrec& records) {
    const float value = ConvertValue::toSingle(NumberText::val(items.inputText()));
    // Converted into a local first: a failure must leave every item as it was.
    const float converted = ConvertValue::ConvertByIndex(value, items.convindex);
    items.resultvalue = converted;
    const QString unit = ConvertValue::UnitByIndex(items.convindex);
    items.setResultCaption(NumberText::format(items.resultvalue));
    items.setUnitCaption(unit);
    // Both texts are read back from the items, as the user sees them now.
    records.RecordConversion(items.inputText(), items.resultCaption());
    items.setInputText(QString());
    items.focusInput();
}
