// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the log and filling the settings screen's table with it.

#include "linesplit.h"
#include "registration.h"
#include "screens/settings/form2.h"
#include "state/datafiles.h"
#include "state/weightlog.h"

#include <memory>

namespace {

// Our reader: the bytes of yourdata.csv to the header slots and the log entries.
void readOurs(benchmark::State &state)
{
    const QByteArray bytes = dietFileBytes(entriesOf(state));
    for (auto _ : state) {
        const LogFileContents contents = readLogFile(bytes);
        benchmark::DoNotOptimize(contents.entries.data());
        if (contents.damaged() || contents.entries.size() != std::size_t(entriesOf(state)))
            state.SkipWithError("the reader did not read every entry");
    }
}

// The least any reader does (see splitLinesAndFields).
void readBaseline(benchmark::State &state)
{
    const QByteArray bytes = dietFileBytes(entriesOf(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(splitLinesAndFields(bytes).data());
}

// LoadSettingsScreen on a fresh hidden settings screen and an empty log, the file read from disk
// included.
void fillOurs(benchmark::State &state)
{
    openDiet(entriesOf(state));
    for (auto _ : state) {
        state.PauseTiming();
        auto screen = std::make_unique<Form2>();
        state.ResumeTiming();
        screen->LoadSettingsScreen();
        state.PauseTiming();
        if (weightLog().entryCount() != entriesOf(state))
            state.SkipWithError("the table does not hold every entry");
        screen.reset();
        weightLog().setEntries({}); // each run fills an empty log, as at start-up
        state.ResumeTiming();
    }
}

// The reader alone on the same file: read from disk, then bytes to entries.
void fillBaseline(benchmark::State &state)
{
    openDiet(entriesOf(state));
    for (auto _ : state) {
        QByteArray bytes;
        if (!readFileBytes(yourDataPath(), bytes))
            state.SkipWithError("cannot read yourdata.csv");
        const LogFileContents contents = readLogFile(bytes);
        benchmark::DoNotOptimize(contents.entries.data());
    }
}

} // namespace

BENCHMARK(readOurs)->Name("read/ours")->Apply(overLogSizes);
BENCHMARK(readBaseline)->Name("read/baseline")->Apply(overLogSizes);
BENCHMARK(fillOurs)->Name("fill/ours")->Apply(overLogSizes);
BENCHMARK(fillBaseline)->Name("fill/baseline")->Apply(overLogSizes);
