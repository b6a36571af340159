// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's whole state: the numbered settings slots that mirror the first nine lines of
// yourdata.csv, the copy template that mirrors customdata.csv, and a few module-wide values.
// Named fields are views onto their slots, so a name and its slot can never disagree.

#include <QString>
#include <array>
#include <cstdint>

using DateSerial = double; // days since 1899-12-30; the fraction is the time of day

inline std::array<std::int32_t, 11> LongSlots{};
inline std::array<double, 7> RealSlots{};
inline std::array<QString, 4> TextSlots{};
inline std::array<DateSerial, 4> DateSlots{};

inline std::array<std::int32_t, 22> CopyFlags{};
inline std::array<QString, 22> CopyTitles{};

// DietPlan, DisplaySettings and the lone flags, each on its slot.
inline std::int32_t &setupDone()
{
    return LongSlots[1];
}
inline std::int32_t &sex()
{
    return LongSlots[2];
} // 0 male, 1 female
inline std::int32_t &reservedLong3()
{
    return LongSlots[3];
}
inline std::int32_t &levelMode()
{
    return LongSlots[4];
}
inline std::int32_t &windowTop()
{
    return LongSlots[5];
} // twips
inline std::int32_t &windowLeft()
{
    return LongSlots[6];
} // twips
inline std::int32_t &textColour()
{
    return LongSlots[7];
} // 0x00BBGGRR
inline std::int32_t &backColour()
{
    return LongSlots[8];
} // 0x00BBGGRR
inline std::int32_t &deadlineDays()
{
    return LongSlots[9];
}

inline double &startWeight()
{
    return RealSlots[1];
}
inline double &targetWeight()
{
    return RealSlots[2];
}
inline double &height()
{
    return RealSlots[3];
}
inline double &reservedReal4()
{
    return RealSlots[4];
}
inline double &reservedReal5()
{
    return RealSlots[5];
}

inline QString &webAddress()
{
    return TextSlots[1];
}
inline QString &reservedText2()
{
    return TextSlots[2];
}

inline DateSerial &declarationDate()
{
    return DateSlots[1];
}
inline DateSerial &reservedDate2()
{
    return DateSlots[2];
}

// CopyTemplate.
inline std::int32_t &copyPhrase()
{
    return CopyFlags[1];
}
inline std::int32_t &trailingNewlines()
{
    return CopyFlags[2];
}
inline std::int32_t &showSign()
{
    return CopyFlags[3];
}
inline QString &levelTitle()
{
    return CopyTitles[1];
}
inline QString &currentTitle()
{
    return CopyTitles[2];
}
inline QString &startTitle()
{
    return CopyTitles[3];
}
inline QString &targetTitle()
{
    return CopyTitles[4];
}
inline QString &changeTitle()
{
    return CopyTitles[5];
}
inline QString &phraseTitle()
{
    return CopyTitles[6];
}

// Module-wide values.
inline QString dataRoot;
inline std::int16_t settingsDirty = 0;
inline double currentWeight = 0;
inline DateSerial latestDate = 0;
inline std::int16_t helpReturnTo = 0; // 1 main screen, 2 settings screen
inline std::int16_t randomPhraseOn = 1;

// Level mode codes and the texts of the settings screen's list (each with a leading blank).
enum LevelMode : std::int32_t
{
    Kitten = 0,
    Puppy = 1,
    Soldier = 2,
    CosmoR = 3,
    Cinderella = 4,
    Momotaro = 5,
    Alice = 6,
};
inline constexpr int LevelModeCount = 7;
extern const std::array<QString, LevelModeCount> LevelModeListTexts;

// The code of a list text, or -1 when the text is none of the seven (compared exactly).
int levelModeOfListText(const QString &text);

// Puts every slot and module-wide value back to its state at process start and empties the
// weight log (for tests).
void resetState();
