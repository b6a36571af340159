// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lost-weight equivalents: the change line, the lost weight in kilograms followed by an
// everyday object of about that weight, or a cheer when nothing has been lost.
//
// The lookup works on any table given to it, so it can be tried on a few rows; the main screen
// hands it the whole WeightObjectTable. For a table of n rows the anchor stops at row n - 2 (501
// of the whole table) and the range at row n - 1 (502).

#include "objecttable.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <span>

// (startWeight - currentWeight) × 1000 rounded to the nearest integer, an exact half to the even
// neighbour. A difference that is not a finite number counts as 0; a result beyond the 32-bit
// range is held to it.
std::int32_t lostGramsOf(double startWeight, double currentWeight);

// Step 3: the first row at least as heavy as lostGrams, scanning in row order, or row n - 2 when
// every row before it is lighter.
int anchorRow(std::span<const WeightObject> table, std::int32_t lostGrams);

// Step 4: ⌊(anchorGrams + 100) / 100⌋ × 100, the next multiple of 100 g strictly above it.
std::int64_t bracketBound(std::int32_t anchorGrams);

// Step 5: the first row from `anchor` on that is at least `bound` heavy, or row n - 1.
int rangeEnd(std::span<const WeightObject> table, int anchor, std::int64_t bound);

// Steps 3 to 7 for a lostGrams of 0 or more: the chosen row. Draws one value for the pick and, when
// the anchor weighs 0 g, a second one for the cheer override (above 60: row 1, above 20: row 0,
// else the pick stands). -1 for an empty table (nothing is drawn then).
int chooseObjectRow(std::span<const WeightObject> table, std::int32_t lostGrams,
                    const std::function<double()> &draw);

struct ChangeLine
{
    QString text; // the caption of Label1(11)
    int row = -1; // the table row named in it
    std::int32_t lostGrams = 0;
};

// Steps 1 to 8. A gain names row 0 and draws nothing; with showSign = 1 it reads "+1.5 kg …",
// otherwise "-1.5 kg …". A loss reads "-2.0 kg …" with showSign = 1 and "2.0 kg …" otherwise; no
// change reads "0.0 kg …" whatever showSign holds.
ChangeLine changeLine(double startWeight, double currentWeight, std::int32_t showSign,
                      const std::function<double()> &draw,
                      std::span<const WeightObject> table = WeightObjectTable);
