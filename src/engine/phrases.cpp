// SPDX-License-Identifier: GPL-3.0-or-later
#include "phrases.h"

#include "draws.h"

int phraseEntry(double r, std::int16_t &randomPhraseOn, int count)
{
    int entry = drawnIndex(r, count - 1) + 1;
    if (randomPhraseOn == 0) {
        entry = 0;
        randomPhraseOn = 1;
    }
    return count > 0 && entry < count ? entry : 0;
}

PhraseOfTheDay phraseOfTheDay(std::int16_t &randomPhraseOn, const std::function<double()> &draw,
                              std::span<const char16_t *const> table)
{
    const double r = drawValue(draw);
    PhraseOfTheDay phrase;
    phrase.entry = phraseEntry(r, randomPhraseOn, static_cast<int>(table.size()));
    if (!table.empty() && table[phrase.entry])
        phrase.text = QString::fromUtf16(table[phrase.entry]);
    return phrase;
}
