// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A weight log entry's texts read in the log's own two forms, for the readers that compare or
// write entries by the million: the date "yyyymmdd" and the weight "###.0" (up to seven whole
// digits, none before the point for less than 1 kg, one after it).

#include <QAnyStringView>
#include <array>
#include <optional>

struct EntryCharacters
{
    std::array<char, 8> date{};   // the eight digits
    std::array<char, 9> weight{}; // the digits and the point, `weightSize` of them
    qsizetype weightSize = 0;
};

// Empty when either text is in another form, such as the blank row of a pending new entry.
std::optional<EntryCharacters> entryCharacters(QAnyStringView dateText, QAnyStringView weightText);
