// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the cases are registered: timed by the wall clock (what the user waits for), with the
// minimum kept beside the usual statistics of the repetitions.

#include "diets.h"

#include <algorithm>
#include <benchmark/benchmark.h>

inline void keepingMinimum(benchmark::internal::Benchmark *bench)
{
    bench->ComputeStatistics("min", [](const std::vector<double> &values) {
        return *std::min_element(values.begin(), values.end());
    });
}

// Once per log size.
inline void overLogSizes(benchmark::internal::Benchmark *bench)
{
    for (int entries : LogSizes)
        bench->Arg(entries);
    bench->Unit(benchmark::kMillisecond)->UseRealTime();
    keepingMinimum(bench);
}

inline int entriesOf(const benchmark::State &state)
{
    return static_cast<int>(state.range(0));
}
