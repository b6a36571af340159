// SPDX-License-Identifier: GPL-3.0-or-later
// The weight log editor's write ("書込") and the save that writes the table back to disk.

#include "registration.h"
#include "screens/navigator.h"
#include "screens/settings/form2.h"
#include "screens/settings/settingsstore.h"
#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/weightlog.h"

#include <QFile>
#include <QLineEdit>
#include <cstdio>
#include <unistd.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// The newest date of the generated log, as a date.
QDate newestDate(const WeightLog &table)
{
    return dateFromEightDigits(table.dateText(1)).value_or(QDate());
}

// The user corrects the entry in the middle of the table to a day after every other and writes it:
// the row is validated, rewritten and the table re-sorted, which brings it to the top.
void writeOurs(benchmark::State &state)
{
    openDiet(entriesOf(state));
    Form2 &screen = form2();
    const int row = entriesOf(state) / 2;
    QDate day = newestDate(weightLog());
    for (auto _ : state) {
        state.PauseTiming();
        day = day.addDays(1);
        screen.MSFlexGrid1_Click(row);
        screen.Text1->setText(eightDigitsFromDate(day));
        screen.Text2->setText(u"65.3"_s);
        state.ResumeTiming();
        screen.Command2_Click();
    }
    if (weightLog().dateText(1) != eightDigitsFromDate(day))
        state.SkipWithError("the written entry is not at the top");
}

// The same correction on N (date, weight) pairs, re-sorted with std::stable_sort.
void writeBaseline(benchmark::State &state)
{
    std::vector<std::pair<double, double>> pairs;
    for (const LogEntry &entry : readLogFile(dietFileBytes(entriesOf(state))).entries)
        pairs.emplace_back(entry.date, entry.weight);
    const auto newerFirst = [](const auto &a, const auto &b) { return a > b; };
    const auto middle = pairs.begin() + (pairs.size() / 2 - 1);
    double day = pairs.front().first;
    for (auto _ : state) {
        *middle = {++day, 65.3};
        std::stable_sort(pairs.begin(), pairs.end() - 1, newerFirst);
        benchmark::DoNotOptimize(pairs.data());
    }
}

// The settings save and the exit save: the log's rows to bytes, then to disk through QSaveFile.
// The generated file is written back as it was, which is checked once at the end.
void saveOurs(benchmark::State &state)
{
    openDiet(entriesOf(state));
    form2();
    for (auto _ : state) {
        if (!saveYourData()) {
            state.SkipWithError("the save failed");
            break;
        }
    }
    QByteArray written;
    if (!readFileBytes(yourDataPath(), written) || written != dietFileBytes(entriesOf(state)))
        state.SkipWithError("the save did not write the file back as it was");
}

// Writes `bytes` to `path` with one fwrite; with `durable`, the way any crash-safe replacement
// must: into a temporary file, flushed to the disk, then renamed over the file.
bool writeWithFwrite(const QByteArray &bytes, const QByteArray &path, bool durable)
{
    const QByteArray target = durable ? path + ".new" : path;
    std::FILE *file = std::fopen(target.constData(), "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(bytes.constData(), 1, bytes.size(), file) == std::size_t(bytes.size());
    if (durable)
        ok = ok && std::fflush(file) == 0 && ::fdatasync(::fileno(file)) == 0;
    ok = std::fclose(file) == 0 && ok;
    return ok && (!durable || std::rename(target.constData(), path.constData()) == 0);
}

// The same bytes put into a file beside it with one fwrite.
void saveWithFwrite(benchmark::State &state, bool durable)
{
    const QByteArray bytes = dietFileBytes(entriesOf(state));
    const QByteArray path = QFile::encodeName(dietDirectory(entriesOf(state)) + u"/fwrite.csv"_s);
    for (auto _ : state) {
        if (!writeWithFwrite(bytes, path, durable)) {
            state.SkipWithError("fwrite failed");
            break;
        }
    }
    std::remove(path.constData());
}

void saveBaseline(benchmark::State &state)
{
    saveWithFwrite(state, false);
}

void saveDurable(benchmark::State &state)
{
    saveWithFwrite(state, true);
}

} // namespace

BENCHMARK(writeOurs)->Name("write/ours")->Apply(overLogSizes);
BENCHMARK(writeBaseline)->Name("write/baseline")->Apply(overLogSizes);
BENCHMARK(saveOurs)->Name("save/ours")->Apply(overLogSizes);
BENCHMARK(saveBaseline)->Name("save/baseline")->Apply(overLogSizes);
BENCHMARK(saveDurable)->Name("save/durable")->Apply(overLogSizes);
