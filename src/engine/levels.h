// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Level modes: the 23 level names of each mode, the level index and the picture stage
// of an achievement rate, and which of the twelve progress pictures a stage shows.

#include <QString>
#include <array>

using LevelNameTable = std::array<const char16_t *, 23>;

// The width of one level and of one picture stage, in percent of achievement.
inline constexpr double levelStep = 100.0 / 22;
inline constexpr double pictureStep = 100.0 / 6;

// The name table of a level mode (the soldier mode by sex); nullptr when no table applies.
const LevelNameTable *levelNameTable(int levelMode, int sex);

// 0 to 22: level 1 and 22 are reached on equality (levelStep, 100), levels 2 to 21 only strictly
// above k * levelStep. A negative rate gives 0; a rate that is not a number gives 0.
int levelIndex(double achievementRate);

// The level name of a rate in a mode; empty when no table applies (levelMode outside 0 to 6, or
// the soldier mode with a sex other than 0 and 1).
QString levelName(double achievementRate, int levelMode, int sex);

// 1 to 7, the same scheme as levelIndex with pictureStep: stage 2 from pictureStep on, stage k + 1
// strictly above k * pictureStep (k = 2 to 5), stage 7 from 100 on.
int pictureStage(double achievementRate);

// The visibility of Image1(0) to Image1(11) at a stage: the bright pictures 0 to stage - 2 and the
// dim pictures stage + 5 to 11, so each of the six places shows exactly one picture. A stage
// outside 1 to 7 is held to that range.
std::array<bool, 12> visiblePictures(int pictureStage);
