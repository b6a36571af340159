#pragma once

// Everything the main screen shows, computed from the state: the six result lines and which of the
// twelve chick pictures are visible. No widget is involved; RefreshMainScreen applies the result.

#include <QDate>
#include <QString>
#include <array>
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
};

// One refresh: reads the state as it is now, draws from `draw` (uniform in [0, 1)) for the object
// and the phrase, and leaves randomPhraseOn at 1. `today` is the date the day counts start from.
MainScreenResult computeMainScreen(QDate today, const std::function<double()> &draw);
