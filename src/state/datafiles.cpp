#include "datafiles.h"

#include "dateserial.h"
#include "numbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

const QString DefaultWebAddress = u"www.5ch.net"_s;

namespace {

const QString defaultTitles[] = {u"レベル： "_s, u"現在： "_s, u"開始： "_s,
                                 u"目標： "_s,   u"増減： "_s, u"一言： "_s};

// The nine lines pair LongSlots(n) with RealSlots(n) for n = 1..5, then with TextSlots(1..2), then
// with DateSlots(1..2).
template <typename LongField, typename RealField, typename TextField, typename DateField>
bool forEachHeaderField(LongField onLong, RealField onReal, TextField onText, DateField onDate)
{
    for (int n = 1; n <= 5; ++n) {
        if (!onLong(n) || !onReal(n))
            return false;
    }
    for (int n = 1; n <= 2; ++n) {
        if (!onLong(5 + n) || !onText(n))
            return false;
    }
    for (int n = 1; n <= 2; ++n) {
        if (!onLong(7 + n) || !onDate(n))
            return false;
    }
    return true;
}

QByteArray bytesOf(const FieldWriter &writer, QString *problem)
{
    if (writer.ok())
        return writer.bytes();
    if (problem)
        *problem = u"保存できない文字が含まれています。"_s;
    return {};
}

bool writeOrReport(const QString &path, const QByteArray &bytes, const QString &problem,
                   QString *error)
{
    if (bytes.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    return saveFile(path, bytes, error);
}

QByteArray defaultSettingsBytes()
{
    FieldWriter writer;
    writeSettingsHeader(writer);
    writer.date(serialFromDateTime(QDateTime::currentDateTime()));
    writer.real(100);
    writer.endRecord();
    return writer.bytes();
}

QByteArray templateBytes(QString *problem)
{
    FieldWriter writer;
    writeTemplate(writer);
    return bytesOf(writer, problem);
}

} // namespace

QString dataDirectory()
{
    return dataRoot + u"/tolmidata"_s;
}

QString yourDataPath()
{
    return dataDirectory() + u"/yourdata.csv"_s;
}

QString customDataPath()
{
    return dataDirectory() + u"/customdata.csv"_s;
}

void writeSettingsHeader(FieldWriter &writer)
{
    forEachHeaderField([&](int n) { return writer.integer(LongSlots[n]), true; },
                       [&](int n) { return writer.real(RealSlots[n]), writer.endRecord(), true; },
                       [&](int n) { return writer.text(TextSlots[n]), writer.endRecord(), true; },
                       [&](int n) { return writer.date(DateSlots[n]), writer.endRecord(), true; });
}

bool readSettingsHeader(FieldReader &reader)
{
    auto longs = LongSlots;
    auto reals = RealSlots;
    auto texts = TextSlots;
    auto dates = DateSlots;
    const bool ok = forEachHeaderField([&](int n) { return reader.readInteger(longs[n]); },
                                       [&](int n) { return reader.readReal(reals[n]); },
                                       [&](int n) { return reader.readText(texts[n]); },
                                       [&](int n) { return reader.readDate(dates[n]); });
    if (!ok)
        return false;
    LongSlots = longs;
    RealSlots = reals;
    TextSlots = std::move(texts);
    DateSlots = dates;
    return true;
}

void writeTemplate(FieldWriter &writer)
{
    for (int n = 1; n <= 20; ++n) {
        writer.integer(CopyFlags[n]);
        writer.text(CopyTitles[n]);
        writer.endRecord();
    }
}

bool readTemplate(FieldReader &reader)
{
    auto flags = CopyFlags;
    auto titles = CopyTitles;
    for (int n = 1; n <= 20; ++n) {
        if (!reader.readInteger(flags[n]) || !reader.readText(titles[n]))
            return false;
    }
    CopyFlags = flags;
    CopyTitles = std::move(titles);
    return true;
}

void resetSettingsToDefaults()
{
    for (int n = 1; n <= 9; ++n)
        LongSlots[n] = 0;
    textColour() = 15724527;
    backColour() = 8404992;
    for (int n = 1; n <= 5; ++n)
        RealSlots[n] = 100.0;
    webAddress() = DefaultWebAddress;
    reservedText2() = u"URL2"_s;
    declarationDate() = serialFromDate(QDate(2008, 1, 1));
    reservedDate2() = serialFromDate(QDate(2008, 1, 2));
}

void resetTemplateToDefaults()
{
    for (int n = 1; n <= 20; ++n) {
        CopyFlags[n] = 0;
        CopyTitles[n] = u"abcdefghijk"_s;
    }
    showSign() = 1;
    for (int n = 1; n <= 6; ++n)
        CopyTitles[n] = defaultTitles[n - 1];
}

bool logEntryFromTableTexts(QStringView dateText, QStringView weightText, LogEntry &entry)
{
    const std::optional<QDate> date = dateFromEightDigits(dateText);
    const std::optional<double> weight = parseNumber(weightText);
    if (!date || !weight)
        return false;
    entry = {serialFromDate(*date), *weight};
    return true;
}

QByteArray yourDataBytes(qsizetype rowCount, const RowTexts &rowTexts, QString *problem)
{
    FieldWriter writer;
    writer.reserve(512 + rowCount * 20);
    writeSettingsHeader(writer);
    for (qsizetype i = 0; i < rowCount; ++i) {
        const auto [dateText, weightText] = rowTexts(i);
        LogEntry entry;
        if (!logEntryFromTableTexts(dateText, weightText, entry)) {
            if (problem)
                *problem = u"体重の記録 %1 行目を保存できません。"_s.arg(i + 1);
            return {};
        }
        writer.date(entry.date);
        writer.real(entry.weight);
        writer.endRecord();
    }
    return bytesOf(writer, problem);
}

LogFileContents readLogFile(QByteArrayView bytes)
{
    LogFileContents contents;
    FieldReader reader(bytes);
    if (!readSettingsHeader(reader)) {
        contents.damaged = true;
        return contents;
    }
    contents.entries.reserve(bytes.size() / 19 + 1);
    while (!reader.atEnd()) {
        LogEntry entry;
        if (!reader.readDate(entry.date) || !reader.readReal(entry.weight)) {
            contents.damaged = true;
            break;
        }
        contents.entries.push_back(entry);
    }
    return contents;
}

bool readFileBytes(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool saveFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    ok = ok && file.write(bytes) == bytes.size();
    // commit() does not look at errors of the final flush (a full disk), so flush first.
    ok = ok && file.flush();
    ok = ok && file.commit();
    if (!ok) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
    }
    return ok;
}

QString keepUnreadableFile(const QString &path)
{
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return {};
    const QString stem =
        path + u".unreadable-"_s + QDateTime::currentDateTime().toString(u"yyyyMMdd-hhmmss"_s);
    QString kept = stem;
    for (int n = 2; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++n)
        kept = stem + u"-"_s + QString::number(n);
    return QDir().rename(path, kept) ? kept : QString();
}

void loadDataFilesWithRecovery()
{
    QByteArray bytes;
    bool readable = readFileBytes(yourDataPath(), bytes);
    if (readable) {
        FieldReader reader(bytes);
        readable = readSettingsHeader(reader);
    }
    if (!readable) {
        keepUnreadableFile(yourDataPath());
        writeDefaultSettingsFile();
    }

    readable = readFileBytes(customDataPath(), bytes);
    if (readable) {
        FieldReader reader(bytes);
        readable = readTemplate(reader);
    }
    if (!readable) {
        keepUnreadableFile(customDataPath());
        writeDefaultTemplateFile();
    }
}

bool writeDefaultSettingsFile(QString *error)
{
    resetSettingsToDefaults();
    return saveFile(yourDataPath(), defaultSettingsBytes(), error);
}

bool writeDefaultTemplateFile(QString *error)
{
    resetTemplateToDefaults();
    return saveTemplateFile(error);
}

bool saveTemplateFile(QString *error)
{
    QString problem;
    const QByteArray bytes = templateBytes(&problem);
    return writeOrReport(customDataPath(), bytes, problem, error);
}

bool writeNewDietFiles(QString *error)
{
    FieldWriter writer;
    writeSettingsHeader(writer);
    writer.date(declarationDate());
    writer.real(startWeight());
    writer.endRecord();
    QString problem;
    if (!writeOrReport(yourDataPath(), bytesOf(writer, &problem), problem, error))
        return false;
    resetTemplateToDefaults();
    return saveTemplateFile(error);
}

bool rereadSettingsHeader()
{
    QByteArray bytes;
    if (!readFileBytes(yourDataPath(), bytes))
        return false;
    FieldReader reader(bytes);
    return readSettingsHeader(reader);
}
