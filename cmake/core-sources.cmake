# SPDX-License-Identifier: GPL-3.0-or-later
# The conversion table, the text/number rules and the record memory, relative to src/:
# built against Qt Core alone, by the program's library and, with other flags, by the
# fuzzers.
set(LENTARO_CORE_SOURCES
    conversion/ConvertValue.cpp
    conversion/ResultCommand.cpp
    records/Mrec.cpp
    records/RecordLine.cpp
    platform/text/NumberText.cpp
)
