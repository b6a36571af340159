// SPDX-License-Identifier: GPL-3.0-or-later
#include "state.h"

#include "weightlog.h"

using namespace Qt::Literals::StringLiterals;

const std::array<QString, LevelModeCount> LevelModeListTexts = {
    u" コネコ"_s,     u" コイヌ"_s, u" ソルジャー"_s, u" コスモＲ"_s,
    u" シンデレラ"_s, u" 桃太郎"_s, u" アリス"_s,
};

int levelModeOfListText(const QString &text)
{
    for (int code = 0; code < LevelModeCount; ++code) {
        if (LevelModeListTexts[code] == text)
            return code;
    }
    return -1;
}

void resetState()
{
    LongSlots.fill(0);
    RealSlots.fill(0);
    TextSlots.fill(QString());
    DateSlots.fill(0);
    CopyFlags.fill(0);
    CopyTitles.fill(QString());
    dataRoot.clear();
    settingsDirty = 0;
    currentWeight = 0;
    latestDate = 0;
    helpReturnTo = 0;
    randomPhraseOn = 1;
    weightLog().setEntries({});
}
