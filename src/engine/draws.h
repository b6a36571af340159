// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Turning a random draw into an index.

#include <cmath>
#include <functional>

// One value from `draw`, meant to be uniform in [0, 1); 0 when there is no generator.
inline double drawValue(const std::function<double()> &draw)
{
    return draw ? draw() : 0.0;
}

// ⌊r × count⌋, an index from 0 to count - 1. A value outside [0, 1) (or not a number) from a
// misbehaving generator is held to that range rather than reaching past the table.
inline int drawnIndex(double r, int count)
{
    if (count <= 1 || !(r > 0))
        return 0;
    const double index = std::floor(r * count);
    return index >= count ? count - 1 : static_cast<int>(index);
}
