// SPDX-License-Identifier: GPL-3.0-or-later
#include "weightlogfile.h"

#include "datafiles.h"
#include "dateserial.h"
#include "numbers.h"
#include "state.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// Keeps a copy of the damaged file's bytes under a new name before anything can overwrite the
// file, which stays in place so that the program still finds its diet at the next start even if
// it ends before the next save. Says where the copy is, or why there is none.
QString problemText(const QString &what, const QByteArray &bytes, const QDateTime &now)
{
    QString error;
    const QString kept = keepCopyOf(yourDataPath(), bytes, now, &error);
    if (kept.isEmpty())
        return what + u"\n元のファイルの写しを残せませんでした。\n理由: "_s + error;
    return what + u"\n元のファイルは次の名前で残してあります：\n"_s + kept;
}

// "12, 40, 41 行目", the first few of many followed by "など".
QString lineNumbersText(const std::vector<qsizetype> &lines)
{
    constexpr std::size_t listed = 10;
    QStringList numbers;
    for (std::size_t i = 0; i < std::min(lines.size(), listed); ++i)
        numbers << QString::number(lines[i]);
    return numbers.join(u", "_s) + (lines.size() > listed ? u" など"_s : QString()) + u" 行目"_s;
}

// The loader's two formats written straight into the cells, so that a log of 100,000 entries
// becomes rows in milliseconds. Values outside the everyday range go through the general
// formatters, which give the same texts.
CellText dateCell(DateSerial serial)
{
    const auto [year, month, day] = civilFromSerial(serial);
    if (year < 0 || year > 9999)
        return CellText(eightDigitsFromDate(dateFromSerial(serial)));
    const char digits[8] = {char('0' + year / 1000),    char('0' + year / 100 % 10),
                            char('0' + year / 10 % 10), char('0' + year % 10),
                            char('0' + month / 10),     char('0' + month % 10),
                            char('0' + day / 10),       char('0' + day % 10)};
    return CellText(QLatin1StringView(digits, 8));
}

// "###.0" of a weight that holds at most one decimal, as every weight the program writes does.
CellText weightCell(double weight)
{
    const double tenths = std::round(weight * 10);
    if (!(tenths >= 0 && tenths < 1e7 && std::fabs(weight * 10 - tenths) < 1e-6))
        return CellText(formatWeightText(weight));
    // Filled from the end: the tenth, the point, then the whole kilograms without a leading zero.
    char text[8];
    int first = 8;
    auto rest = static_cast<long>(tenths);
    text[--first] = char('0' + rest % 10);
    text[--first] = '.';
    for (rest /= 10; rest > 0; rest /= 10)
        text[--first] = char('0' + rest % 10);
    return CellText(QLatin1StringView(text + first, 8 - first));
}

// A log entry as a row: "yyyymmdd" and "###.0".
WeightLog::Entry logRow(DateSerial date, double weight)
{
    return {dateCell(date), weightCell(weight)};
}

// yourdata.csv's log as rows, in file order, and what to tell the user when the file could not be
// read whole (empty when it was).
struct LogFileRows
{
    std::vector<WeightLog::Entry> entries;
    QString problem;
};

LogFileRows readLogFileRows(const QDateTime &now)
{
    LogFileRows log;
    const FileReading file = readDataFile(yourDataPath());
    if (file.outcome == FileReading::Missing) {
        log.problem = u"体重の記録（yourdata.csv）が見つかりません。"_s;
        return log;
    }
    if (file.outcome == FileReading::CannotOpen) {
        log.problem = u"体重の記録（yourdata.csv）を開けませんでした。\n理由: "_s +
                      file.problem.reason + u"\n"_s + file.problem.remedy;
        return log;
    }
    // Room for a row per shortest line the reader accepts, so that the rows are never moved while
    // they are read; the room no row takes is never touched and so costs no memory.
    log.entries.reserve(file.bytes.size() / 15 + 1);
    const LogReading reading = readLog(file.bytes, [&](const LogEntry &entry) {
        log.entries.push_back(logRow(entry.date, entry.weight));
    });
    if (!reading.headerRead) {
        log.problem =
            problemText(u"体重の記録（yourdata.csv）を読み込めませんでした。"_s, file.bytes, now);
    } else if (!reading.skippedLines.empty()) {
        log.problem = problemText(
            u"体重の記録（yourdata.csv）に読めない行が %1 行ありました（%2）。その行を除いた %3 件の記録を表に入れます。"_s
                .arg(reading.skippedLines.size())
                .arg(lineNumbersText(reading.skippedLines))
                .arg(log.entries.size()),
            file.bytes, now);
    } else if (log.entries.empty()) {
        log.problem =
            problemText(u"体重の記録（yourdata.csv）に記録が一件もありません。"_s, file.bytes, now);
    }
    return log;
}

double newestWeight(const WeightLog &log)
{
    return log.entryCount() == 1 ? startWeight() : log.weightNumber(1);
}

} // namespace

QString loadWeightLog(WeightLog &log, const QDateTime &now)
{
    LogFileRows file = readLogFileRows(now);
    if (!file.entries.empty())
        log.setEntries(std::move(file.entries));
    else if (log.entryCount() == 0)
        log.setEntries({logRow(declarationDate(), startWeight())});
    else
        log.setMarkedRow(0);
    return file.problem;
}

QByteArray yourDataFileBytes(const WeightLog &log, QString *problem)
{
    return yourDataBytes(
        log.entryCount(), [&log](qsizetype i) { return log.rowTexts(i); }, problem);
}

void takeNewestEntry(const WeightLog &log)
{
    if (log.entryCount() == 0)
        return;
    if (const std::optional<QDate> date = dateFromEightDigits(log.dateText(1)))
        latestDate = serialFromDate(*date);
    currentWeight = newestWeight(log);
}
