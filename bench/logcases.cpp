// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the log and filling the settings screen's table with it.

#include "registration.h"
#include "screens/settings/form2.h"
#include "screens/settings/weighttablemodel.h"
#include "state/datafiles.h"

#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

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

// The least any reader does: each line and its two fields found with memchr, nothing converted.
void readBaseline(benchmark::State &state)
{
    const QByteArray bytes = dietFileBytes(entriesOf(state));
    for (auto _ : state) {
        std::vector<std::pair<std::string_view, std::string_view>> fields;
        fields.reserve(bytes.size() / 19 + 1);
        const char *line = bytes.constData();
        const char *const end = line + bytes.size();
        while (line < end) {
            auto *next = static_cast<const char *>(std::memchr(line, '\n', end - line));
            if (!next)
                next = end;
            if (auto *comma = static_cast<const char *>(std::memchr(line, ',', next - line))) {
                const char *fieldEnd = next > comma + 1 && next[-1] == '\r' ? next - 1 : next;
                fields.emplace_back(std::string_view(line, comma - line),
                                    std::string_view(comma + 1, fieldEnd - comma - 1));
            }
            line = next + 1;
        }
        benchmark::DoNotOptimize(fields.data());
    }
}

// LoadSettingsScreen on a fresh hidden settings screen, the file read from disk included.
void fillOurs(benchmark::State &state)
{
    openDiet(entriesOf(state));
    for (auto _ : state) {
        state.PauseTiming();
        auto screen = std::make_unique<Form2>();
        state.ResumeTiming();
        screen->LoadSettingsScreen();
        state.PauseTiming();
        if (screen->model()->entryCount() != entriesOf(state))
            state.SkipWithError("the table does not hold every entry");
        screen.reset();
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
