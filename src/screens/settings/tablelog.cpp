// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablelog.h"

#include "platform/platform.h"
#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/numbers.h"

#include <QFile>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// Keeps a copy of the file under a new name and leaves the file itself in place, so that the
// program still finds its diet at the next start even if it ends before the next save.
QString keepCopyAside(const QString &path)
{
    const QString kept = keepUnreadableFile(path, platform().now());
    if (!kept.isEmpty())
        QFile::copy(kept, path);
    return kept;
}

QString problemText(const QString &what, const QString &kept)
{
    QString text = what;
    if (!kept.isEmpty())
        text += u"\n元のファイルは次の名前で残してあります：\n"_s + kept;
    return text;
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

} // namespace

TableLog readTableLog()
{
    TableLog log;
    QByteArray bytes;
    if (!readFileBytes(yourDataPath(), bytes)) {
        log.problem = problemText(u"体重の記録（yourdata.csv）を読み込めませんでした。"_s,
                                  keepCopyAside(yourDataPath()));
        return log;
    }
    // Room for a row per shortest line the reader accepts, so that the rows are never moved while
    // they are read; the room no row takes is never touched and so costs no memory.
    log.entries.reserve(bytes.size() / 15 + 1);
    const bool damaged = !readLog(bytes, [&](const LogEntry &entry) {
        log.entries.push_back(tableEntry(entry.date, entry.weight));
    });
    if (damaged) {
        log.problem = problemText(
            u"体重の記録（yourdata.csv）に読めない行がありました。読めた %1 件の記録を表に入れます。"_s
                .arg(log.entries.size()),
            keepCopyAside(yourDataPath()));
    } else if (log.entries.empty()) {
        log.problem = problemText(u"体重の記録（yourdata.csv）に記録が一件もありません。"_s,
                                  keepCopyAside(yourDataPath()));
    }
    return log;
}

WeightTableModel::Entry tableEntry(DateSerial date, double weight)
{
    return {dateCell(date), weightCell(weight)};
}
