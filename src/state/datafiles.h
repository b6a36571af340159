// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// yourdata.csv and customdata.csv: their line layout, default contents, readers and writers.
// Every writer builds the whole file in memory and hands it to saveFile, which replaces the file
// atomically and reports failure to its caller.

#include "fieldcodec.h"
#include "fileerrors.h"
#include "state.h"

#include <QAnyStringView>
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

extern const QString DefaultWebAddress;

// The web address as it is stored: a double quote from a hand-edited file becomes %22, which a
// browser reads as the same address (see storableForm).
QString storableWebAddress(QStringView address);

QString dataDirectory(); // dataRoot + "/tolmidata"
QString yourDataPath();
QString customDataPath();

// The nine settings lines. Reading is all or nothing: the slots change only when every field of
// the nine lines was read.
void writeSettingsHeader(FieldWriter &writer);
bool readSettingsHeader(FieldReader &reader);

// The twenty template lines, all or nothing as above.
void writeTemplate(FieldWriter &writer);
bool readTemplate(FieldReader &reader);

void resetSettingsToDefaults();
void resetTemplateToDefaults();

struct LogEntry
{
    DateSerial date = 0;
    double weight = 0;
};

// A log line written from a row of the weight log: the "yyyymmdd" text as a date without time of
// day and the weight text read as a number. False when either text does not convert.
bool logEntryFromTableTexts(QStringView dateText, QStringView weightText, LogEntry &entry);
// That log line written as a record. Texts in the log's own formats ("yyyymmdd" of a real day,
// "###.0") go into their fields as they are, which gives the bytes of the round trip through
// numbers without its cost; any other texts take that round trip. False when they do not convert.
// The texts may be Latin-1 or UTF-16 (or UTF-8), so that the log's cells need no conversion.
bool writeTableLine(FieldWriter &writer, QAnyStringView dateText, QAnyStringView weightText);

// The same for many lines: the direct ones go into a block through a pointer, and the block into
// the writer with one append when it is full and at flush(), which the caller must call last.
class TableLineWriter
{
public:
    explicit TableLineWriter(FieldWriter &writer) : writer(writer) {}
    bool write(QAnyStringView dateText, QAnyStringView weightText); // as writeTableLine
    void flush();

private:
    // "#yyyy-mm-dd#," (13 bytes), 14 digits, ".d" and "\r\n".
    static constexpr qsizetype LongestDirectLine = 31;

    FieldWriter &writer;
    char block[4096];
    char *out = block;
};

// The parts of yourDataBytes below: the writer holding the nine lines, with room for the rows;
// its bytes (empty when a text could not be encoded, `problem` saying so); the refusal of the row
// of index `row`.
FieldWriter yourDataWriter(qsizetype rowCount);
QByteArray yourDataBytesOf(const FieldWriter &writer, QString *problem);
QByteArray refusedTableRow(qsizetype row, QString *problem);

// The whole yourdata.csv as written by the settings save and the exit save: the nine lines from
// the slots, then one line per table row, row 1 first. `rowTexts(i)` gives row i's date and
// weight texts for i = 0 .. rowCount - 1, as a pair of anything a QAnyStringView views (texts, or
// views valid until the next call). Empty when a text cannot be stored (never written altered);
// `problem` then says why. A template, so that the call per row is inlined.
template <typename RowTexts>
QByteArray yourDataBytes(qsizetype rowCount, RowTexts &&rowTexts, QString *problem)
{
    FieldWriter writer = yourDataWriter(rowCount);
    TableLineWriter lines(writer);
    for (qsizetype i = 0; i < rowCount; ++i) {
        const auto &[dateText, weightText] = rowTexts(i);
        if (!lines.write(dateText, weightText))
            return refusedTableRow(i, problem);
    }
    lines.flush();
    return yourDataBytesOf(writer, problem);
}

// The log as read by the settings screen: the header into the slots, then each log line's entry
// handed to `take` in file order until the end of the file, so that the entries go straight to
// where they are kept. A log line that does not hold exactly a date and a weight is skipped and
// costs that line alone; blank lines are passed over. A damaged header leaves the slots as they
// were and reads no entry.
struct LogReading
{
    bool headerRead = false;
    std::vector<qsizetype> skippedLines; // line numbers in the file, from 1
    bool damaged() const { return !headerRead || !skippedLines.empty(); }
};
LogReading readLog(QByteArrayView bytes, const std::function<void(const LogEntry &)> &take);

// The same, collected.
struct LogFileContents
{
    std::vector<LogEntry> entries;
    LogReading reading;
    bool damaged() const { return reading.damaged(); }
};
LogFileContents readLogFile(QByteArrayView bytes);

// What reading a data file found: its bytes, no file at all, or a file that is there but cannot
// be opened or read (no permission, too many open files, a folder, a named pipe or a device in its
// place, a link to nothing, an I/O error), with the reason. Such a file is never replaced.
struct FileReading
{
    enum Outcome
    {
        Read,
        Missing,
        CannotOpen,
    };
    Outcome outcome = Missing;
    QByteArray bytes;
    FileProblem problem; // CannotOpen
};
// Reads at most `atMost` bytes (all when negative). Never waits: a named pipe is refused unopened.
FileReading readDataFile(const QString &path, qsizetype atMost = -1);
// The whole file; false for anything but a plain file read whole.
bool readFileBytes(const QString &path, QByteArray &bytes);

// What a reader of a whole data file made of it.
struct FileCheck
{
    enum State
    {
        Read,       // its records are in the slots
        Damaged,    // it was read but its content is not the file's format
        Missing,    // there is no such file
        CannotOpen, // it is there but cannot be opened or read: `problem` says why
    };
    State state = Missing;
    FileProblem problem;
};

// The nine header lines of a yourdata.csv into the slots, all or nothing, read from the start of
// the file (the whole file only when they do not stand in its first HeaderReadSize bytes), so
// that a long log is not read for them.
inline constexpr qsizetype HeaderReadSize = 64 * 1024;
FileCheck readSettingsHeaderOf(const QString &path);
// The twenty template lines of a customdata.csv into the slots, all or nothing.
FileCheck readTemplateOf(const QString &path);

// Replaces the file atomically and durably: a temporary file beside it, flushed, renamed over it,
// and the folder flushed so that the rename survives a power cut. False with the reason in
// `error` when any of it failed; the old file then stands as it was.
bool saveFile(const QString &path, const QByteArray &bytes, QString *error);

// Renames a damaged file to "<name>.unreadable-yyyyMMdd-hhmmss", never over an earlier one.
// Returns the new path, or an empty text when nothing was there or the rename failed.
QString keepUnreadableFile(const QString &path, const QDateTime &now);
// Writes `bytes` (a damaged file's content, read before anything overwrites it) to a new file of
// the same kind of name beside `path`, which stays as it is. Returns the copy's path, or an
// empty text with the reason in `error`.
QString keepCopyOf(const QString &path, const QByteArray &bytes, const QDateTime &now,
                   QString *error);

// Removes what saves killed before their rename left behind: plain files named as the temporary
// files of the saves of the two data files ("yourdata.csv." or "customdata.csv." and six
// letters), and nothing else. Call only while this copy holds the data folder.
void removeSaveLeftovers();

// What the start-up loader found and did.
struct StartupFiles
{
    // Files that are there but cannot be opened or read. Nothing was written: start-up must end.
    std::vector<FileProblem> unusable;
    std::vector<FileProblem> unwritten; // default files that could not be written
};

// The start-up loader: the nine header lines of yourdata.csv, then customdata.csv. A file that
// cannot be opened is left alone and nothing at all is written; otherwise a damaged file is kept
// aside and replaced by the default file (slots set to their defaults first), and a missing file
// is simply created. `now` dates the default log entry and the kept files' names.
StartupFiles loadDataFilesWithRecovery(const QDateTime &now);

// The default writers and the other fixed writers. Each returns false and fills `error` when the
// file could not be written.
bool writeDefaultSettingsFile(const QDateTime &now, QString *error = nullptr);
bool writeDefaultTemplateFile(QString *error = nullptr);
bool saveTemplateFile(QString *error);
// The first-run wizard's start: the default template (after resetting the template slots), then
// yourdata.csv with the single declaration entry. yourdata.csv comes last because it declares the
// diet: when either write fails, the diet is not declared on disk.
bool writeNewDietFiles(QString *error);

// The main screen's re-read of the nine header lines. On failure the slots keep their values.
bool rereadSettingsHeader();
