// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

inline constexpr int PhraseCount = 577;

// Entry 0 is the opening phrase shown right after a new diet; entries 1 to 576 are drawn at random.
extern const std::array<const char16_t *, PhraseCount> PhraseTable;
