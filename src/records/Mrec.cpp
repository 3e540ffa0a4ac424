// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/Mrec.h"

#include "records/RecordLine.h"

const QString Mrec::kTitle = QStringLiteral("Alart !! ");
const QString Mrec::kLowText = QStringLiteral("ความจำในการบันทึกเหลือน้อย");
const QString Mrec::kFullText = QStringLiteral("ความจำในการบันทึกหมดแล้วจากนี้ไปจะไม่ทำการบันทึก !!");

Mrec::Mrec(MessageSink sink) : m_sink(std::move(sink)) {}

void Mrec::RecordConversion(const QString& input, const QString& result) {
    if (m_memleft == 0) {
        show(kFullText, MessageStyle::Exclamation);
        return;
    }
    // The conversion that meets the low-memory notice is recorded like any other, so
    // a fill holds lines 1 to 255 without a gap.
    AddRecord(RecordLine::build(kSlots + 1 - m_memleft, input, result));
    const bool low = m_memleft == kLowAt;
    --m_memleft;
    if (low)
        show(kLowText, MessageStyle::Information);
}

void Mrec::ClearRecords() {
    m_records.setStringList({});
    m_memleft = kSlots;
}

void Mrec::AddRecord(const QString& line) {
    const int row = m_records.rowCount();
    m_records.insertRows(row, 1);
    m_records.setData(m_records.index(row), line);
}

void Mrec::show(const QString& text, MessageStyle style) {
    if (m_sink)
        m_sink(text, kTitle, style);
}
