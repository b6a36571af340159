// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles.h"

#include "codeunits.h"
#include "dateserial.h"
#include "numbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

const QString DefaultWebAddress = u"www.5ch.net"_s;

QString storableWebAddress(QStringView address)
{
    return storableForm(address, u"%22");
}

namespace {

const QString defaultTitles[] = {u"レベル： "_s, u"現在： "_s, u"開始： "_s,
                                 u"目標： "_s,   u"増減： "_s, u"一言： "_s};

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

QByteArray defaultSettingsBytes(const QDateTime &now)
{
    FieldWriter writer;
    writeSettingsHeader(writer);
    writer.date(serialFromDateTime(now));
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

// "###.0" with up to 14 whole digits and no leading zero, appended to `out` as a real is written:
// without a trailing ".0", and "0" for ".0". False (and nothing appended) for any other text.
bool appendWeightField(QAnyStringView text, char *&out)
{
    return readCodeUnits(text, [&](const auto *units, qsizetype size) {
        const qsizetype point = size - 2;
        if (point < 0 || point > 14 || units[point] != '.' || (point > 0 && units[0] == '0'))
            return false;
        for (qsizetype i = 0; i < size; ++i) {
            if (i != point && (units[i] < '0' || units[i] > '9'))
                return false;
        }
        for (qsizetype i = 0; i < point; ++i)
            *out++ = static_cast<char>(units[i]);
        const char tenth = static_cast<char>(units[point + 1]);
        if (tenth != '0') {
            *out++ = '.';
            *out++ = tenth;
        } else if (point == 0) {
            *out++ = '0';
        }
        return true;
    });
}

// "#yyyy-mm-dd#," from the digits of an eight-digit text of a real day; false for any other text.
bool appendDateField(QAnyStringView text, char *&out)
{
    if (!isEightDigitDate(text))
        return false;
    readCodeUnits(text, [&](const auto *units, qsizetype) {
        *out++ = '#';
        for (int i = 0; i < 8; ++i) {
            *out++ = static_cast<char>(units[i]);
            if (i == 3 || i == 5)
                *out++ = '-';
        }
        *out++ = '#';
        *out++ = ',';
    });
    return true;
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

// The nine lines pair LongSlots(n) with RealSlots(n) for n = 1..5, then LongSlots(6..7) with
// TextSlots(1..2), then LongSlots(8..9) with DateSlots(1..2).
void writeSettingsHeader(FieldWriter &writer)
{
    for (int n = 1; n <= 9; ++n) {
        writer.integer(LongSlots[n]);
        if (n <= 5)
            writer.real(RealSlots[n]);
        else if (n <= 7)
            writer.text(n == 6 ? storableWebAddress(webAddress()) : TextSlots[n - 5]);
        else
            writer.date(DateSlots[n - 7]);
        writer.endRecord();
    }
}

bool readSettingsHeader(FieldReader &reader)
{
    auto longs = LongSlots;
    auto reals = RealSlots;
    auto texts = TextSlots;
    auto dates = DateSlots;
    for (int n = 1; n <= 9; ++n) {
        if (!reader.readInteger(longs[n]))
            return false;
        const bool second = n <= 5   ? reader.readReal(reals[n])
                            : n <= 7 ? reader.readText(texts[n - 5])
                                     : reader.readDate(dates[n - 7]);
        if (!second)
            return false;
    }
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
    const std::optional<CivilDate> day = civilFromEightDigits(dateText);
    const std::optional<double> weight = parseNumber(weightText);
    if (!day || !weight)
        return false;
    entry = {*serialFromCivil(day->year, day->month, day->day), *weight};
    return true;
}

bool TableLineWriter::write(QAnyStringView dateText, QAnyStringView weightText)
{
    if (block + sizeof block - out < LongestDirectLine)
        flush();
    char *end = out;
    if (appendDateField(dateText, end) && appendWeightField(weightText, end)) {
        *end++ = '\r';
        *end++ = '\n';
        out = end;
        return true;
    }
    LogEntry entry;
    if (!logEntryFromTableTexts(dateText.toString(), weightText.toString(), entry))
        return false;
    flush();
    writer.date(entry.date);
    writer.real(entry.weight);
    writer.endRecord();
    return true;
}

void TableLineWriter::flush()
{
    writer.writtenRecords(QByteArrayView(block, out - block));
    out = block;
}

bool writeTableLine(FieldWriter &writer, QAnyStringView dateText, QAnyStringView weightText)
{
    TableLineWriter lines(writer);
    const bool written = lines.write(dateText, weightText);
    lines.flush();
    return written;
}

FieldWriter yourDataWriter(qsizetype rowCount)
{
    FieldWriter writer;
    writer.reserve(512 + rowCount * 20);
    writeSettingsHeader(writer);
    return writer;
}

QByteArray yourDataBytesOf(const FieldWriter &writer, QString *problem)
{
    return bytesOf(writer, problem);
}

QByteArray refusedTableRow(qsizetype row, QString *problem)
{
    if (problem)
        *problem = u"体重の記録 %1 行目を保存できません。"_s.arg(row + 1);
    return {};
}

bool readLog(QByteArrayView bytes, const std::function<void(const LogEntry &)> &take)
{
    FieldReader reader(bytes);
    if (!readSettingsHeader(reader))
        return false;
    while (!reader.atEnd()) {
        LogEntry entry;
        if (!reader.readDate(entry.date) || !reader.readReal(entry.weight))
            return false;
        take(entry);
    }
    return true;
}

LogFileContents readLogFile(QByteArrayView bytes)
{
    LogFileContents contents;
    contents.entries.reserve(bytes.size() / 19 + 1);
    contents.damaged =
        !readLog(bytes, [&](const LogEntry &entry) { contents.entries.push_back(entry); });
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
    // Unbuffered, so that commit() has nothing left to flush (it would not look at the errors of
    // that flush), and written until every byte is down: after a short write (a nearly full disk)
    // the next one fails with the system's reason, which the caller passes on to the user.
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qsizetype done = 0; ok && done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        ok = written > 0;
        done += written;
    }
    ok = ok && file.commit();
    if (!ok) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
    }
    return ok;
}

QString keepUnreadableFile(const QString &path, const QDateTime &now)
{
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return {};
    const QString stem = path + u".unreadable-"_s + now.toString(u"yyyyMMdd-hhmmss"_s);
    QString kept = stem;
    for (int n = 2; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++n)
        kept = stem + u"-"_s + QString::number(n);
    return QDir().rename(path, kept) ? kept : QString();
}

bool readSettingsHeaderOf(const QString &path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return false;
    // Up to the last line end, no field is cut: one that reads there reads the same in the file.
    const QByteArray start = file.read(HeaderReadSize);
    const qsizetype lineEnd = start.lastIndexOf('\n');
    if (FieldReader lines(QByteArrayView(start).first(lineEnd + 1)); readSettingsHeader(lines))
        return true;
    const QByteArray bytes = start + file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    FieldReader whole(bytes);
    return readSettingsHeader(whole);
}

std::vector<FileWriteFailure> loadDataFilesWithRecovery(const QDateTime &now)
{
    std::vector<FileWriteFailure> failures;
    QString error;
    if (!readSettingsHeaderOf(yourDataPath())) {
        keepUnreadableFile(yourDataPath(), now);
        if (!writeDefaultSettingsFile(now, &error))
            failures.push_back({yourDataPath(), error});
    }

    QByteArray bytes;
    bool readable = readFileBytes(customDataPath(), bytes);
    if (readable) {
        FieldReader reader(bytes);
        readable = readTemplate(reader);
    }
    if (!readable) {
        keepUnreadableFile(customDataPath(), now);
        if (!writeDefaultTemplateFile(&error))
            failures.push_back({customDataPath(), error});
    }
    return failures;
}

bool writeDefaultSettingsFile(const QDateTime &now, QString *error)
{
    resetSettingsToDefaults();
    return saveFile(yourDataPath(), defaultSettingsBytes(now), error);
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
    resetTemplateToDefaults();
    if (!saveTemplateFile(error))
        return false;
    FieldWriter writer;
    writeSettingsHeader(writer);
    writer.date(declarationDate());
    writer.real(startWeight());
    writer.endRecord();
    QString problem;
    return writeOrReport(yourDataPath(), bytesOf(writer, &problem), problem, error);
}

bool rereadSettingsHeader()
{
    return readSettingsHeaderOf(yourDataPath());
}
