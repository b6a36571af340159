// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// One row of the lost-weight table: an everyday object, animal or curiosity and its weight.
struct WeightObject
{
    const char16_t *objectName;
    std::int32_t grams;
};

inline constexpr int WeightObjectCount = 503;

// Ordered from light to heavy (with two rows deliberately out of order); rows 0 and 1 are cheers.
extern const std::array<WeightObject, WeightObjectCount> WeightObjectTable;
