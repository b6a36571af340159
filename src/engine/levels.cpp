#include "levels.h"

const LevelNameTable *levelNameTable(int, int)
{
    return nullptr;
}
