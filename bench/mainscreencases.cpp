// SPDX-License-Identifier: GPL-3.0-or-later
// The win/loss table, the weight chart and the main-screen refresh on a loaded log.

#include "registration.h"
#include "screens/chart/weightchart.h"
#include "screens/main/form1.h"
#include "screens/main/form3.h"
#include "screens/navigator.h"
#include "state/datafiles.h"
#include "state/state.h"

#include <memory>
#include <vector>

namespace {

// Opening the win/loss table: its constructor marks every weighing and counts the runs, from the
// weight log the settings screen loaded. The table stays hidden; its deletion is not timed.
void winLossOurs(benchmark::State &state)
{
    openDiet(entriesOf(state));
    form2();
    for (auto _ : state) {
        auto table = std::make_unique<Form3>();
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
}

// The same comparisons in one loop over the weights as doubles, oldest first.
void winLossBaseline(benchmark::State &state)
{
    std::vector<double> weights;
    for (const LogEntry &entry : readLogFile(dietFileBytes(entriesOf(state))).entries)
        weights.push_back(entry.weight);
    const double target = targetWeight();
    for (auto _ : state) {
        int wins = 0, losses = 0, run = 0, bestRun = 0;
        for (std::size_t newer = weights.size() - 1; newer-- > 0;) {
            if (target >= weights[newer] || weights[newer] <= weights[newer + 1]) {
                ++wins;
                bestRun = std::max(bestRun, ++run);
            } else {
                ++losses;
                run = 0;
            }
        }
        benchmark::DoNotOptimize(wins + losses + bestRun);
    }
}

// Opening the weight chart: its constructor reads the weight log and computes the trend and the
// forecast, then its first paint lays the plot out and draws it (into an image, as the offscreen
// platform would). Measured against the win/loss table's opening above.
void chartOurs(benchmark::State &state)
{
    openDiet(entriesOf(state));
    form2();
    for (auto _ : state) {
        auto chart = std::make_unique<WeightChart>();
        benchmark::DoNotOptimize(chart->grab());
        state.PauseTiming();
        chart.reset();
        state.ResumeTiming();
    }
}

// One refresh of the loaded main screen from the state, as every flow that changes it ends.
void refreshOurs(benchmark::State &state)
{
    openDiet(entriesOf(state));
    form1();
    form2();
    for (auto _ : state)
        RefreshMainScreen();
}

} // namespace

BENCHMARK(winLossOurs)->Name("winloss/ours")->Apply(overLogSizes);
BENCHMARK(winLossBaseline)->Name("winloss/baseline")->Apply(overLogSizes);
BENCHMARK(chartOurs)->Name("chart/ours")->Apply(overLogSizes);
BENCHMARK(refreshOurs)->Name("refresh/ours")->Apply(overLogSizes);
