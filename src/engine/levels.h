#pragma once

// Level modes: the 23 level names of each mode and the stages of the chick column.

#include <QString>
#include <array>

using LevelNameTable = std::array<const char16_t *, 23>;

// The name table of a level mode (the soldier mode by sex); nullptr when no table applies.
const LevelNameTable *levelNameTable(int levelMode, int sex);
