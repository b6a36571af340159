// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles.h"

#include "codeunits.h"
#include "dateserial.h"
#include "numbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

// Where the line from `from` ends: at the line break the reader takes, CR LF, a lone LF or a
// lone CR, or at the end of the bytes.
qsizetype lineEndAt(QByteArrayView bytes, qsizetype from)
{
    const char *start = bytes.data() + from;
    const auto *lineFeed = static_cast<const char *>(std::memchr(start, '\n', bytes.size() - from));
    const qsizetype end = lineFeed ? lineFeed - bytes.data() : bytes.size();
    const auto *carriageReturn = static_cast<const char *>(std::memchr(start, '\r', end - from));
    return carriageReturn ? carriageReturn - bytes.data() : end;
}

qsizetype pastLineEnd(QByteArrayView bytes, qsizetype end)
{
    if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
        bytes[end + 1] == '\n')
        return end + 2;
    return end + 1;
}

// The number, from 1, of the line that holds the byte at `position`.
qsizetype lineNumberAt(QByteArrayView bytes, qsizetype position)
{
    qsizetype line = 1;
    for (qsizetype i = 0; i < position; i = pastLineEnd(bytes, i)) {
        i = lineEndAt(bytes, i);
        if (i >= position)
            break;
        ++line;
    }
    return line;
}

bool isBlankLine(QByteArrayView line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

} // namespace

LogReading readLog(QByteArrayView bytes, const std::function<void(const LogEntry &)> &take)
{
    LogReading reading;
    FieldReader header(bytes);
    if (!readSettingsHeader(header))
        return reading;
    reading.headerRead = true;
    // The log starts where the header's last field ended; whatever else stands on that line is
    // read as a log line, and fails as one.
    qsizetype start = header.position();
    qsizetype lineNumber = lineNumberAt(bytes, start);
    while (start < bytes.size()) {
        const qsizetype end = lineEndAt(bytes, start);
        const QByteArrayView line = bytes.sliced(start, end - start);
        FieldReader fields(line);
        LogEntry entry;
        if (fields.readDate(entry.date) && fields.readReal(entry.weight) && fields.atEnd())
            take(entry);
        else if (!isBlankLine(line))
            reading.skippedLines.push_back(lineNumber);
        start = pastLineEnd(bytes, end);
        ++lineNumber;
    }
    return reading;
}

LogFileContents readLogFile(QByteArrayView bytes)
{
    LogFileContents contents;
    contents.entries.reserve(bytes.size() / 19 + 1);
    contents.reading =
        readLog(bytes, [&](const LogEntry &entry) { contents.entries.push_back(entry); });
    return contents;
}

FileReading readDataFile(const QString &path, qsizetype atMost)
{
    FileReading reading;
    const QByteArray name = QFile::encodeName(path);
    const auto cannotOpen = [&](FileProblem problem) {
        reading.outcome = FileReading::CannotOpen;
        reading.problem = std::move(problem);
        return reading;
    };
    // Looked at before it is opened, so that a named pipe or a device is never opened at all.
    struct stat info
    {
    };
    if (::stat(name.constData(), &info) != 0) {
        const int error = errno;
        struct stat link
        {
        };
        if (error != ENOENT)
            return cannotOpen(fileProblem(path, error, FileAction::Read));
        if (::lstat(name.constData(), &link) == 0)
            return cannotOpen(danglingLinkProblem(path));
        return reading; // missing
    }
    if (!S_ISREG(info.st_mode))
        return cannotOpen(notAPlainFileProblem(path, S_ISDIR(info.st_mode)));
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return cannotOpen(fileProblem(path, errno, FileAction::Read));
    // Whatever was put in its place between the look and the opening is refused the same way.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return cannotOpen(notAPlainFileProblem(path, S_ISDIR(info.st_mode)));
    }
    const qsizetype wanted = atMost < 0 ? std::numeric_limits<qsizetype>::max() : atMost;
    QByteArray bytes(std::min<qsizetype>(wanted, info.st_size + 1), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < wanted) {
        if (done == bytes.size()) // the file has grown since it was looked at
            bytes.resize(std::min(wanted, bytes.size() * 2 + 4096));
        const ssize_t got = ::read(fd, bytes.data() + done, std::size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return cannotOpen(fileProblem(path, error, FileAction::Read));
        }
        if (got == 0)
            break;
        done += got;
    }
    ::close(fd);
    bytes.truncate(done);
    reading.outcome = FileReading::Read;
    reading.bytes = std::move(bytes);
    return reading;
}

bool readFileBytes(const QString &path, QByteArray &bytes)
{
    FileReading reading = readDataFile(path);
    if (reading.outcome != FileReading::Read)
        return false;
    bytes = std::move(reading.bytes);
    return true;
}

namespace {

FileCheck checkOf(const FileReading &reading, bool read)
{
    switch (reading.outcome) {
    case FileReading::Read:
        return {read ? FileCheck::Read : FileCheck::Damaged, {}};
    case FileReading::Missing:
        return {FileCheck::Missing, {}};
    case FileReading::CannotOpen:
        break;
    }
    return {FileCheck::CannotOpen, reading.problem};
}

// The rename of a save is an entry of its folder, and reaches the disk only when the folder is
// flushed. A folder that cannot be opened or a file system that cannot flush one is no failure of
// the save; an error while flushing is.
bool flushFolderOf(const QString &path, QString *error)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true;
    int result = 0;
    while ((result = ::fsync(fd)) != 0 && errno == EINTR) {
    }
    const int flushError = errno;
    ::close(fd);
    if (result == 0 || flushError == EINVAL || flushError == EROFS)
        return true;
    if (error)
        *error = QString::fromLocal8Bit(std::strerror(flushError));
    return false;
}

QString keptName(const QString &path, const QDateTime &now)
{
    const QString stem = path + u".unreadable-"_s + now.toString(u"yyyyMMdd-hhmmss"_s);
    QString kept = stem;
    for (int n = 2; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++n)
        kept = stem + u"-"_s + QString::number(n);
    return kept;
}

} // namespace

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
        return false;
    }
    return flushFolderOf(path, error);
}

QString keepUnreadableFile(const QString &path, const QDateTime &now)
{
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return {};
    const QString kept = keptName(path, now);
    return QDir().rename(path, kept) ? kept : QString();
}

QString keepCopyOf(const QString &path, const QByteArray &bytes, const QDateTime &now,
                   QString *error)
{
    const QString kept = keptName(path, now);
    return saveFile(kept, bytes, error) ? kept : QString();
}

void removeSaveLeftovers()
{
    // The temporary name of a save is the file's name, a point and six letters.
    static const QRegularExpression leftover(u"^(yourdata|customdata)\\.csv\\.[A-Za-z]{6}$"_s);
    QDir folder(dataDirectory());
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!leftover.match(name).hasMatch())
            continue;
        const QFileInfo info(folder.filePath(name));
        if (info.isFile() && !info.isSymLink())
            QFile::remove(info.filePath());
    }
}

FileCheck readSettingsHeaderOf(const QString &path)
{
    const FileReading start = readDataFile(path, HeaderReadSize);
    if (start.outcome != FileReading::Read)
        return checkOf(start, false);
    // Up to the last line end, no field is cut: one that reads there reads the same in the file.
    const qsizetype lineEnd = start.bytes.lastIndexOf('\n');
    if (FieldReader lines(QByteArrayView(start.bytes).first(lineEnd + 1));
        readSettingsHeader(lines))
        return checkOf(start, true);
    if (start.bytes.size() < HeaderReadSize) {
        FieldReader whole(start.bytes);
        return checkOf(start, readSettingsHeader(whole));
    }
    const FileReading all = readDataFile(path);
    FieldReader whole(all.bytes);
    return checkOf(all, all.outcome == FileReading::Read && readSettingsHeader(whole));
}

FileCheck readTemplateOf(const QString &path)
{
    const FileReading file = readDataFile(path);
    FieldReader reader(file.bytes);
    return checkOf(file, file.outcome == FileReading::Read && readTemplate(reader));
}

StartupFiles loadDataFilesWithRecovery(const QDateTime &now)
{
    StartupFiles files;
    const FileCheck yourData = readSettingsHeaderOf(yourDataPath());
    const FileCheck customData = readTemplateOf(customDataPath());
    for (const FileCheck *check : {&yourData, &customData}) {
        if (check->state == FileCheck::CannotOpen)
            files.unusable.push_back(check->problem);
    }
    if (!files.unusable.empty())
        return files;

    QString error;
    if (yourData.state != FileCheck::Read) {
        keepUnreadableFile(yourDataPath(), now);
        if (!writeDefaultSettingsFile(now, &error))
            files.unwritten.push_back({yourDataPath(), error, {}});
    }
    if (customData.state != FileCheck::Read) {
        keepUnreadableFile(customDataPath(), now);
        if (!writeDefaultTemplateFile(&error))
            files.unwritten.push_back({customDataPath(), error, {}});
    }
    return files;
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
    return readSettingsHeaderOf(yourDataPath()).state == FileCheck::Read;
}
