// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzdatafiles.h"

#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/numbers.h"
#include "state/state.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// The moment the loader is told it is, fixed so that an input always runs the same way.
const QDateTime fuzzMoment(QDate(2026, 12, 9), QTime(8, 15, 0));

// A form feed never occurs in the code page's text, so an input may use one to give the two files
// different bytes; without one both files get the whole input.
constexpr char fileSeparator = '\f';

// Weights of up to fourteen integer digits keep their tenth in the fifteen digits a real is
// written with. Beyond that no weight is meant: the table may round them or refuse to save them
// (and says so).
constexpr double largestWeight = 1e14;

[[noreturn]] void broken(const char *promise)
{
    std::fprintf(stderr, "data-file promise broken: %s\n", promise);
    std::abort();
}

void require(bool kept, const char *promise)
{
    if (!kept)
        broken(promise);
}

struct SettingsSlots
{
    decltype(LongSlots) longs = LongSlots;
    decltype(RealSlots) reals = RealSlots;
    decltype(TextSlots) texts = TextSlots;
    decltype(DateSlots) dates = DateSlots;
    bool operator==(const SettingsSlots &) const = default;
};

struct TemplateSlots
{
    decltype(CopyFlags) flags = CopyFlags;
    decltype(CopyTitles) titles = CopyTitles;
    bool operator==(const TemplateSlots &) const = default;
};

QByteArray fileBytes(const QString &path)
{
    QByteArray bytes;
    require(readFileBytes(path, bytes), "a file the program wrote can be opened");
    return bytes;
}

// What the default writers put on disk at the fixed moment, written once in a directory of its own.
struct DefaultFiles
{
    QByteArray yourData;
    QByteArray customData;
};

const DefaultFiles &defaultFiles()
{
    static const DefaultFiles files = [] {
        QTemporaryDir directory(QDir::tempPath() + u"/tolmi-fuzz-defaults-XXXXXX"_s);
        require(directory.isValid(), "a directory for the default files");
        dataRoot = directory.path();
        QDir(dataRoot).mkdir(u"tolmidata"_s);
        require(writeDefaultSettingsFile(fuzzMoment) && writeDefaultTemplateFile(),
                "the default files can be written");
        return DefaultFiles{fileBytes(yourDataPath()), fileBytes(customDataPath())};
    }();
    return files;
}

// Texts read back as written: the bytes they were read from, or those of their storable form when
// the file brought in a double quote or a line break. Bytes the code page does not decode come
// back as themselves, though next to the storable form of a quote they may pair up differently.
bool textsReadBack(const QString &before, const QString &after, const QString &stored)
{
    QByteArray expected, read;
    return encodeCodePage(isStorableText(before) ? before : stored, expected) &&
           encodeCodePage(after, read) && read == expected;
}

// The header slots as they stand are written, read back and written again: nothing is refused,
// only reals may lose digits beyond the fifteenth, and the second file equals the first.
void checkSettingsRewrite()
{
    const SettingsSlots before;
    FieldWriter first;
    writeSettingsHeader(first);
    require(first.ok(), "header slots that were read can be written");
    FieldReader reader(first.bytes());
    require(readSettingsHeader(reader) && reader.atEnd(), "a written header reads back whole");
    const SettingsSlots after;
    require(
        after.longs == before.longs && after.dates == before.dates &&
            textsReadBack(before.texts[1], after.texts[1], storableWebAddress(before.texts[1])) &&
            textsReadBack(before.texts[2], after.texts[2], storableForm(before.texts[2])),
        "a written header reads back equal");
    FieldWriter second;
    writeSettingsHeader(second);
    require(second.bytes() == first.bytes(), "a header written twice is the same bytes");
}

void checkTemplateRewrite()
{
    const TemplateSlots before;
    FieldWriter first;
    writeTemplate(first);
    require(first.ok(), "template slots that were read can be written");
    FieldReader reader(first.bytes());
    require(readTemplate(reader) && reader.atEnd(), "a written template reads back whole");
    const TemplateSlots after;
    bool equal = after.flags == before.flags;
    for (std::size_t n = 0; n < before.titles.size(); ++n)
        equal = equal &&
                textsReadBack(before.titles[n], after.titles[n], storableForm(before.titles[n]));
    require(equal, "a written template reads back equal");
}

// The table's texts of a log, as the settings screen holds them.
std::vector<std::pair<QString, QString>> tableTexts(const std::vector<LogEntry> &entries)
{
    std::vector<std::pair<QString, QString>> rows;
    rows.reserve(entries.size());
    for (const LogEntry &entry : entries)
        rows.emplace_back(eightDigitsFromDate(dateFromSerial(entry.date)),
                          formatWeightText(entry.weight));
    return rows;
}

QByteArray savedFromTable(const std::vector<std::pair<QString, QString>> &rows)
{
    QString problem;
    return yourDataBytes(
        static_cast<qsizetype>(rows.size()),
        [&](qsizetype i) { return rows[static_cast<std::size_t>(i)]; }, &problem);
}

// The entries the reader accepted go through the table's texts into a saved file, which reads
// back as the same days and tenths and saves again to the same bytes.
void checkLogRewrite(const std::vector<LogEntry> &entries)
{
    for (const LogEntry &entry : entries) {
        if (std::fabs(entry.weight) >= largestWeight)
            return;
    }
    const auto rows = tableTexts(entries);
    const QByteArray saved = savedFromTable(rows);
    require(!saved.isEmpty(), "a log that was read can be saved");
    const LogFileContents reread = readLogFile(saved);
    require(!reread.damaged() && reread.entries.size() == entries.size(),
            "a saved log reads back whole");
    require(tableTexts(reread.entries) == rows, "a saved log reads back as the table showed it");
    require(savedFromTable(tableTexts(reread.entries)) == saved,
            "a log saved twice is the same bytes");
}

// The readers on their own: all or nothing, and whatever they accept can be written back.
void checkReaders(QByteArrayView bytes)
{
    resetState();
    const SettingsSlots freshSettings;
    FieldReader headerReader(bytes);
    if (readSettingsHeader(headerReader))
        checkSettingsRewrite();
    else
        require(SettingsSlots() == freshSettings, "a failed header read leaves the slots alone");

    const TemplateSlots freshTemplate;
    FieldReader templateReader(bytes);
    if (readTemplate(templateReader))
        checkTemplateRewrite();
    else
        require(TemplateSlots() == freshTemplate, "a failed template read leaves the slots alone");

    resetState();
    checkLogRewrite(readLogFile(bytes).entries);
}

QStringList keptCopies(const QString &path)
{
    return QDir(dataDirectory())
        .entryList({QFileInfo(path).fileName() + u".unreadable-*"_s}, QDir::Files);
}

// After start-up the file exists and reads back into exactly the slots in memory. It is either the
// input untouched, or the default file with the input kept beside it, and only a damaged input
// is replaced.
template <typename Slots>
void checkLoadedFile(const QString &path, QByteArrayView input, bool (*read)(FieldReader &),
                     const QByteArray &defaultBytes)
{
    const Slots loaded;
    const QByteArray onDisk = fileBytes(path);
    FieldReader reader(onDisk);
    require(read(reader), "both files read back after start-up");
    require(Slots() == loaded, "the slots hold what the file says");
    const QStringList kept = keptCopies(path);
    if (onDisk == input) {
        require(kept.isEmpty(), "a readable file is neither kept nor replaced");
        return;
    }
    require(onDisk == defaultBytes, "a damaged file is replaced by the default file");
    require(kept.size() == 1 && fileBytes(QDir(dataDirectory()).filePath(kept.front())) == input,
            "a damaged file is kept as it was");
    FieldReader original(input);
    require(!read(original), "only a damaged file is replaced");
}

void writeScratchFile(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) &&
                file.write(bytes.data(), bytes.size()) == bytes.size(),
            "the input can be put in place");
}

// The start-up loader on the two files, in a scratch data directory emptied for every input.
void checkLoader(QByteArrayView yourData, QByteArrayView customData)
{
    static QTemporaryDir scratch(QDir::tempPath() + u"/tolmi-fuzz-XXXXXX"_s);
    require(scratch.isValid(), "a scratch directory");
    const DefaultFiles &defaults = defaultFiles();
    resetState();
    dataRoot = scratch.path();
    QDir(dataDirectory()).removeRecursively();
    require(QDir(dataRoot).mkdir(u"tolmidata"_s), "a fresh data directory");
    writeScratchFile(yourDataPath(), yourData);
    writeScratchFile(customDataPath(), customData);

    require(loadDataFilesWithRecovery(fuzzMoment).unusable.empty(),
            "a plain file is never taken for one that cannot be opened");

    checkLoadedFile<SettingsSlots>(yourDataPath(), yourData, readSettingsHeader, defaults.yourData);
    checkLoadedFile<TemplateSlots>(customDataPath(), customData, readTemplate, defaults.customData);
    checkSettingsRewrite();
    checkTemplateRewrite();
}

std::pair<QByteArrayView, QByteArrayView> splitFiles(QByteArrayView bytes)
{
    const qsizetype separator = bytes.indexOf(fileSeparator);
    if (separator < 0)
        return {bytes, bytes};
    return {bytes.first(separator), bytes.sliced(separator + 1)};
}

} // namespace

int fuzzDataFiles(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    checkReaders(bytes);
    const auto [yourData, customData] = splitFiles(bytes);
    checkLoader(yourData, customData);
    return 0;
}
