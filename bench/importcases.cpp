// SPDX-License-Identifier: GPL-3.0-or-later
// Taking a file of weighings into the log: the file's bytes decoded, its lines read as weighings
// and measured by the rules of the log editor's write.

#include "linesplit.h"
#include "registration.h"
#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/logexport.h"
#include "state/numbers.h"
#include "state/textdecoding.h"
#include "state/weighingimport.h"

#include <map>
#include <utility>
#include <vector>

namespace {

struct ImportFile
{
    QByteArray bytes;
    QDate declared;
    std::pair<QString, QString> declarationEntry; // the fresh diet's only entry
};

// The diet's log as its export writes it (UTF-8, comma-separated, a heading line), one line per
// entry, for a fresh diet with the same declaration to take in again.
const ImportFile &importFile(int entries)
{
    static std::map<int, ImportFile> files;
    ImportFile &file = files[entries];
    if (file.bytes.isEmpty()) {
        std::vector<std::pair<QString, QString>> rows;
        for (const LogEntry &entry : readLogFile(dietFileBytes(entries)).entries)
            rows.emplace_back(eightDigitsFromDate(dateFromSerial(entry.date)),
                              formatWeightText(entry.weight));
        file.bytes =
            logExportFileBytes(qsizetype(rows.size()), [&](qsizetype i) { return rows[i]; });
        file.declared = dateFromEightDigits(rows.back().first).value_or(QDate());
        file.declarationEntry = rows.back();
    }
    return file;
}

void importOurs(benchmark::State &state)
{
    const ImportFile &file = importFile(entriesOf(state));
    for (auto _ : state) {
        WeighingKeys log;
        log.insert(file.declarationEntry.first, file.declarationEntry.second);
        const WeighingImport result =
            importWeighings(decodeTextFile(file.bytes), file.declared, log);
        benchmark::DoNotOptimize(result.taken.data());
        if (result.taken.size() + result.refused.size() != std::size_t(entriesOf(state)))
            state.SkipWithError("not every line was read as a weighing");
    }
}

void importBaseline(benchmark::State &state)
{
    const ImportFile &file = importFile(entriesOf(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(splitLinesAndFields(file.bytes).data());
}

} // namespace

BENCHMARK(importOurs)->Name("import/ours")->Apply(overLogSizes);
BENCHMARK(importBaseline)->Name("import/baseline")->Apply(overLogSizes);
