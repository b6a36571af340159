// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The phrase of the day for the phrase line of the main screen.

#include "phrasetable.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <span>

// The entry of a table of `count` entries for the draw r: ⌊r × (count - 1)⌋ + 1 (1 to 576 for the
// whole table), except that a randomPhraseOn of 0 gives entry 0 and sets the flag to 1. The draw
// is made by the caller in either case.
int phraseEntry(double r, std::int16_t &randomPhraseOn, int count = PhraseCount);

struct PhraseOfTheDay
{
    QString text; // the caption of Label1(4)
    int entry = 0;
};

// Draws one value from `draw` (always, even when the flag asks for entry 0) and returns the entry.
PhraseOfTheDay phraseOfTheDay(std::int16_t &randomPhraseOn, const std::function<double()> &draw,
                              std::span<const char16_t *const> table = PhraseTable);
