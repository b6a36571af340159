// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A replayed sequence of random draws: hands out its values in order, counts what was taken and
// fails the test when more are taken than were scripted.

#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

class ScriptedDraws
{
public:
    ScriptedDraws(std::initializer_list<double> values) : values(values) {}

    std::function<double()> function()
    {
        return [this] {
            if (taken >= values.size()) {
                ADD_FAILURE() << "draw " << taken + 1 << " was not scripted";
                ++taken;
                return 0.0;
            }
            return values[taken++];
        };
    }

    std::size_t taken = 0;

private:
    std::vector<double> values;
};

// The draw that picks candidate `index` of `count` equally likely ones (the middle of its share).
inline double drawFor(int index, int count)
{
    return (index + 0.5) / count;
}
