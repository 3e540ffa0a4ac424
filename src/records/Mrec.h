// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/MessageStyle.h"

#include <QString>
#include <QStringListModel>
#include <cstdint>
#include <functional>

// The record memory: a numbered line for every conversion, within a budget of 255
// slots, with a notice when 10 are left and a warning once they are used up.
class Mrec {
public:
    using MessageSink =
        std::function<void(const QString& text, const QString& title, MessageStyle style)>;

    static constexpr std::uint8_t kSlots = 255;
    static constexpr std::uint8_t kLowAt = 10;
    static const QString kTitle;
    static const QString kLowText;
    static const QString kFullText;

    // sink shows the two warnings; a window passes its message box here.
    explicit Mrec(MessageSink sink = {});
    Mrec(const Mrec&) = delete;
    Mrec& operator=(const Mrec&) = delete;

    void setMessageSink(MessageSink sink) { m_sink = std::move(sink); }

    std::uint8_t memleft() const { return m_memleft; }
    void setMemleft(std::uint8_t value) { m_memleft = value; }

    // The record step of a completed conversion.
    void RecordConversion(const QString& input, const QString& result);
    // Empties the record and gives back all 255 slots.
    void ClearRecords();
    // Appends one line at the end of the record.
    void AddRecord(const QString& line);

    // The record lines, oldest first, for views to show.
    QStringListModel* records() { return &m_records; }
    QStringList lines() const { return m_records.stringList(); }

private:
    void show(const QString& text, MessageStyle style);

    MessageSink m_sink;
    std::uint8_t m_memleft = kSlots;
    QStringListModel m_records;
};
