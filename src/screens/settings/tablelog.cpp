#include "tablelog.h"

#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/numbers.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace {

// Keeps a copy of the file under a new name and leaves the file itself in place, so that the
// program still finds its diet at the next start even if it ends before the next save.
QString keepCopyAside(const QString &path)
{
    const QString kept = keepUnreadableFile(path);
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
    const LogFileContents contents = readLogFile(bytes);
    log.entries.reserve(contents.entries.size());
    for (const LogEntry &entry : contents.entries)
        log.entries.push_back(tableEntry(entry.date, entry.weight));
    if (contents.damaged) {
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
    return {eightDigitsFromDate(dateFromSerial(date)), formatWeightText(weight)};
}
