// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything the main screen shows, computed from the state: the six result lines and which of the
// twelve chick pictures are visible. No widget is involved; RefreshMainScreen applies the result.

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

struct MainScreenResult
{
    QString levelLine;                     // Label1(0)
    QString currentLine;                   // Label1(1)
    QString startLine;                     // Label1(2)
    QString targetLine;                    // Label1(3)
    QString phraseLine;                    // Label1(4)
    QString changeLine;                    // Label1(11)
    std::array<bool, 12> pictureVisible{}; // Image1(0..11)

    // The quantities behind the lines, for tests and for anyone curious; nothing needs them.
    double achievementRate = 0; // percent, as used (0 when the plan gives no finite rate)
    int levelIndex = 0;         // 0 to 22
    int pictureStage = 1;       // 1 to 7
    int phraseEntry = 0;        // PhraseTable entry of the phrase line
    int objectRow = -1;         // WeightObjectTable row named in the change line
    std::int32_t lostGrams = 0;
};

// The achievement rate in percent: ((start - target) - (current - target)) / (start - target) ×
// 100, in that order; 0 when that is not a finite number.
double achievementRateOf(double start, double target, double current);

// One refresh: reads the state as it is now, draws from `draw` (uniform in [0, 1)) for the object
// and the phrase, and leaves randomPhraseOn at 1. `today` is the date the day counts start from.
//
// Draws, in this order: one for the phrase (always); then, unless weight was gained, one for the
// object pick and, when nothing was lost, one more for the cheer override.
//
// State that breaks the refresh's precondition (only a hand-edited file can) still gives finite,
// readable lines: a weight or height that is not a finite number is read as 0; a plan whose rate
// is not a finite number (start weight equal to the target) has the rate 0; a BMI that cannot be
// computed (height 0 or below) shows as "bmi--.-"; day counts are held to their 16-bit and 32-bit
// ranges; dates thousands of years away are shown by their last two year digits.
MainScreenResult computeMainScreen(QDate today, const std::function<double()> &draw);
