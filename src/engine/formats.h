// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The display forms of the main screen besides "##0.0", which is formatTenths of
// state/numbers.h.

#include "state/state.h"

#include <QString>
#include <cstdint>

// "yy年mm月dd日": the last two digits of the year, two-digit month and day (2008-10-17 gives
// 08年10月17日). The serial's time of day is dropped; a serial that is not a number, or one
// thousands of years away, is read as dateFromSerial reads it, so the text is always a date.
QString formatJapaneseDate(DateSerial date);

// W(n): the decimal form of n with every character full-width ("０" to "９", "－"); 18 gives
// "１８", -1 gives "－１".
QString fullWidthNumber(std::int64_t n);
