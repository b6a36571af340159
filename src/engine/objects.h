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

// The anchor row: the first row at least as heavy as lostGrams, scanning in row order, or row
// n - 2 when every row before it is lighter.
int anchorRow(std::span<const WeightObject> table, std::int32_t lostGrams);

// The bound of the anchor's bracket: ⌊(anchorGrams + 100) / 100⌋ × 100, the next multiple of
// 100 g strictly above the anchor's weight.
std::int64_t bracketBound(std::int32_t anchorGrams);

// The end of the bracket: the first row from `anchor` on that is at least `bound` heavy, or row
// n - 1. The rows from the anchor up to the one before it are the candidates.
int rangeEnd(std::span<const WeightObject> table, int anchor, std::int64_t bound);

// The row named for a lostGrams of 0 or more: one of the candidates of the anchor's bracket, picked
// with one draw. When the anchor weighs 0 g (nothing lost), a second draw r of 0 to 99 may
// override the pick with a cheer: above 60 row 1, above 20 row 0, else the pick stands. -1 for an
// empty table (nothing is drawn then).
int chooseObjectRow(std::span<const WeightObject> table, std::int32_t lostGrams,
                    const std::function<double()> &draw);

struct ChangeLine
{
    QString text; // the caption of Label1(11)
    int row = -1; // the table row named in it
    std::int32_t lostGrams = 0;
};

// The change line: the change in kilograms with one decimal, " kg " and the object of the chosen
// row. A gain names row 0 and draws nothing; with showSign = 1 it reads "+1.5 kg …", otherwise
// "-1.5 kg …". A loss reads "-2.0 kg …" with showSign = 1 and "2.0 kg …" otherwise; no change
// reads "0.0 kg …" whatever showSign holds.
ChangeLine changeLine(double startWeight, double currentWeight, std::int32_t showSign,
                      const std::function<double()> &draw,
                      std::span<const WeightObject> table = WeightObjectTable);
