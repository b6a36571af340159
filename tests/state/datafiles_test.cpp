// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/startup.h"
#include "support/tolmitest.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <functional>
#include <optional>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDateTime startMoment(QDate(2026, 12, 9), QTime(8, 15, 0));

const QByteArray defaultYourData = "0,100\r\n"
                                   "0,100\r\n"
                                   "0,100\r\n"
                                   "0,100\r\n"
                                   "0,100\r\n"
                                   "0,\"www.5ch.net\"\r\n"
                                   "15724527,\"URL2\"\r\n"
                                   "8404992,#2008-01-01#\r\n"
                                   "0,#2008-01-02#\r\n"
                                   "#2026-12-09 08:15:00#,100\r\n";

// The six default titles in the Windows Japanese code page, then the fillers.
QByteArray defaultCustomData()
{
    QByteArray bytes = "0,\"\x83\x8C\x83\x78\x83\x8B\x81\x46 \"\r\n" // レベル：
                       "0,\"\x8C\xBB\x8D\xDD\x81\x46 \"\r\n"         // 現在：
                       "1,\"\x8A\x4A\x8E\x6E\x81\x46 \"\r\n"         // 開始：
                       "0,\"\x96\xDA\x95\x57\x81\x46 \"\r\n"         // 目標：
                       "0,\"\x91\x9D\x8C\xB8\x81\x46 \"\r\n"         // 増減：
                       "0,\"\x88\xEA\x8C\xBE\x81\x46 \"\r\n";        // 一言：
    for (int line = 7; line <= 20; ++line)
        bytes += "0,\"abcdefghijk\"\r\n";
    return bytes;
}

const QByteArray declaredYourData = "1,80\r\n"
                                    "1,60\r\n"
                                    "-7,170\r\n"
                                    "2,12.25\r\n"
                                    "1500,-3\r\n"
                                    "2400,\"example.jp/diet\"\r\n"
                                    "255,\"hand, typed\"\r\n"
                                    "65280,#2008-10-17 21:05:09#\r\n"
                                    "30,#1999-12-31 23:59:59#\r\n"
                                    "#2008-10-20#,78\r\n"
                                    "#2008-10-17 21:05:09#,80\r\n";

// Lowers the limit of open files to the lowest free descriptor, so that the next open fails;
// restored when it goes.
class OpenFilesLimit
{
public:
    OpenFilesLimit()
    {
        getrlimit(RLIMIT_NOFILE, &previous);
        rlimit now = previous;
        const int lowestFree = dup(0);
        close(lowestFree);
        now.rlim_cur = rlim_t(lowestFree);
        setrlimit(RLIMIT_NOFILE, &now);
    }
    ~OpenFilesLimit() { setrlimit(RLIMIT_NOFILE, &previous); }

private:
    rlimit previous{};
};

class DataFiles : public TolmiTest
{
protected:
    std::optional<OpenFilesLimit> openFilesLimit;

    void startUp() { prepareDataAtStartup(directory.path(), startMoment); }

    static QStringList namesBelow(const QString &folder)
    {
        QStringList names;
        QDirIterator it(folder, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            names << it.next();
        names.sort();
        return names;
    }

    QStringList keptFiles() const
    {
        return QDir(directory.path() + u"/tolmidata"_s)
            .entryList({u"*.unreadable-*"_s}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
};

} // namespace

TEST_F(DataFiles, FirstStartCreatesBothDefaultFilesByteForByte)
{
    QDir(directory.path()).rmdir(u"tolmidata"_s);
    startUp();
    EXPECT_EQ(readData(u"yourdata.csv"_s), defaultYourData);
    EXPECT_EQ(readData(u"customdata.csv"_s), defaultCustomData());
    EXPECT_EQ(setupDone(), 0);
    EXPECT_EQ(startWeight(), 100.0);
    EXPECT_EQ(dateFromSerial(declarationDate()), QDate(2008, 1, 1));
    EXPECT_EQ(showSign(), 1);
    EXPECT_TRUE(keptFiles().isEmpty()) << "a missing file is created, not kept";
}

TEST_F(DataFiles, DeclaredDataIsReadIntoTheSlotsUnchanged)
{
    writeData(u"yourdata.csv"_s, declaredYourData);
    writeData(u"customdata.csv"_s, defaultCustomData());
    startUp();
    EXPECT_EQ(setupDone(), 1);
    EXPECT_EQ(reservedLong3(), -7);
    EXPECT_EQ(reservedReal4(), 12.25);
    EXPECT_EQ(reservedReal5(), -3);
    EXPECT_EQ(reservedText2(), u"hand, typed"_s);
    EXPECT_EQ(dateTimeFromSerial(declarationDate()),
              QDateTime(QDate(2008, 10, 17), QTime(21, 5, 9)));
    EXPECT_EQ(readData(u"yourdata.csv"_s), declaredYourData) << "start-up only reads";

    // Written again from the slots, the nine lines come out as they were read, reserved slots
    // and the declaration's time of day included.
    FieldWriter writer;
    writeSettingsHeader(writer);
    EXPECT_EQ(writer.bytes(), declaredYourData.left(declaredYourData.indexOf("#2008-10-20#")));
}

TEST_F(DataFiles, UnreadableFilesAreKeptAsideBeforeTheDefaultsReplaceThem)
{
    const QByteArray fiveLines = declaredYourData.left(declaredYourData.indexOf("2400,"));
    QByteArray nineteenLines = defaultCustomData();
    nineteenLines.chop(QByteArray("0,\"abcdefghijk\"\r\n").size());
    writeData(u"yourdata.csv"_s, fiveLines);
    writeData(u"customdata.csv"_s, nineteenLines);
    startUp();

    EXPECT_EQ(setupDone(), 0) << "the wizard runs again";
    EXPECT_EQ(readData(u"yourdata.csv"_s), defaultYourData);
    EXPECT_EQ(readData(u"customdata.csv"_s), defaultCustomData());
    EXPECT_EQ(readData(u"yourdata.csv.unreadable-20261209-081500"_s), fiveLines);
    EXPECT_EQ(readData(u"customdata.csv.unreadable-20261209-081500"_s), nineteenLines);

    // A second damage in the same second never overwrites the first kept copy.
    writeData(u"yourdata.csv"_s, "garbage");
    startUp();
    EXPECT_EQ(readData(u"yourdata.csv.unreadable-20261209-081500"_s), fiveLines);
    EXPECT_EQ(readData(u"yourdata.csv.unreadable-20261209-081500-2"_s), "garbage");
}

// Data that is there but cannot be used is left exactly as it is, with nothing written anywhere:
// the diet in it is not to be taken for missing. A named pipe is not waited on.
TEST_F(DataFiles, DataThatCannotBeOpenedIsLeftAloneAndNothingIsWritten)
{
    const bool root = geteuid() == 0; // root reads and writes whatever the permissions say
    const auto file = [](const QString &at) {
        QDir(at).mkdir(u"tolmidata"_s);
        QFile(at + u"/tolmidata/customdata.csv"_s).open(QIODevice::WriteOnly); // empty: damaged
        return QFile::encodeName(at + u"/tolmidata/yourdata.csv"_s);
    };
    const auto path = [](const QString &at, const QString &name = {}) {
        return QFile::encodeName(at + name);
    };
    // What is put in place, then what is done and undone around the start-up only.
    struct Case
    {
        const char *what;
        QString reason;
        std::function<void(const QString &)> arrange, block = [](auto &) {}, unblock = block;
    };
    std::vector<Case> cases = {
        {"a named pipe", u"普通のファイルではありません"_s,
         [&](const QString &at) { mkfifo(file(at).constData(), 0600); }},
        {"too many open files", u"開いているファイルが多すぎます"_s,
         [&](const QString &at) { QFile(file(at)).open(QIODevice::WriteOnly); },
         [&](auto &) { openFilesLimit.emplace(); }, [&](auto &) { openFilesLimit.reset(); }},
        {"tolmidata a plain file", u"途中にフォルダではないものがあります"_s,
         [](const QString &at) { QFile(at + u"/tolmidata"_s).open(QIODevice::WriteOnly); }},
    };
    // Root writes anywhere but on a file system mounted read-only, where that may be mounted.
    const auto readOnly = [&](const QString &at) {
        return root ? mount("tmpfs", path(at), "tmpfs", MS_RDONLY, "size=4k") == 0
                    : chmod(path(at), 0500) == 0;
    };
    const auto writable = [&](const QString &at) {
        umount2(path(at), MNT_DETACH);
        chmod(path(at), 0700);
    };
    if (readOnly(directory.path() + u"/tolmidata"_s)) {
        writable(directory.path() + u"/tolmidata"_s);
        cases.push_back(
            {"a working folder that cannot be written",
             root ? u"読み取り専用のディスクです"_s : u"作業フォルダに書き込む権限がありません"_s,
             [](auto &) {}, readOnly, writable});
    }
    if (!root) {
        cases.push_back(
            {"no permission to read", u"読み取りの権限がありません"_s, [&](const QString &at) {
                 QFile(file(at)).open(QIODevice::WriteOnly);
                 chmod(file(at).constData(), 0);
             }});
        cases.push_back({"a folder that may be entered but not listed",
                         u"フォルダの中身を読み取る権限がありません"_s, file,
                         [&](const QString &at) { chmod(path(at, u"/tolmidata"_s), 0300); },
                         [&](const QString &at) { chmod(path(at, u"/tolmidata"_s), 0700); }});
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case &c = cases[i];
        const QString at = directory.path() + u"/start"_s + QString::number(i);
        ASSERT_TRUE(QDir().mkdir(at));
        c.arrange(at);
        const QStringList before = namesBelow(at);
        c.block(at);
        const StartupFiles files = prepareDataAtStartup(at, startMoment);
        c.unblock(at);
        ASSERT_FALSE(files.unusable.empty()) << c.what;
        EXPECT_TRUE(files.unusable[0].path.startsWith(at + u"/tolmidata"_s)) << c.what;
        EXPECT_TRUE(files.unusable[0].reason.contains(c.reason)) << c.what;
        EXPECT_FALSE(files.unusable[0].remedy.isEmpty()) << c.what;
        EXPECT_EQ(namesBelow(at), before) << c.what;
    }
}

TEST_F(DataFiles, EveryKindOfDamageEndsInTheDefaultFile)
{
    const QByteArray header = declaredYourData.left(declaredYourData.indexOf("#2008-10-20#"));
    QByteArray hugeLine(10 * 1024 * 1024, 'x');
    QByteArray binary(4096, '\0');
    QRandomGenerator generator(42);
    for (char &byte : binary)
        byte = static_cast<char>(generator.bounded(256));
    const std::vector<std::pair<const char *, QByteArray>> damaged = {
        {"empty", ""},
        {"three fields on a line", "1,80,0\r\n1,60,0\r\n-7,170,0\r\n2,12.25,0\r\n1500,-3,0\r\n"
                                   "2400,\"x\",0\r\n255,\"y\",0\r\n65280,#2008-10-17#,0\r\n"
                                   "30,#1999-12-31#,0\r\n"},
        {"text for an integer", "\"one\",80\r\n" + header.mid(6)},
        {"integer beyond 32 bits", "4294967296,80\r\n" + header.mid(6)},
        {"impossible date", QByteArray(header).replace("#2008-10-17 21:05:09#", "#2008-13-45#")},
        {"unterminated quote", QByteArray(header).replace("\"example.jp/diet\"", "\"example.jp")},
        {"a 10 MB line", hugeLine},
        {"random binary", binary},
    };
    for (const auto &[what, bytes] : damaged) {
        resetState();
        dataRoot = directory.path();
        writeData(u"yourdata.csv"_s, bytes);
        startUp();
        EXPECT_EQ(readData(u"yourdata.csv"_s), defaultYourData) << what;
        EXPECT_EQ(setupDone(), 0) << what;
    }
    EXPECT_EQ(keptFiles().size(), static_cast<qsizetype>(damaged.size()));
}

TEST_F(DataFiles, TitlesWithCommasAndJapaneseSurviveTheTemplateSave)
{
    writeData(u"customdata.csv"_s, defaultCustomData());
    startUp();
    levelTitle() = u"レベル, その１～"_s;
    CopyTitles[20] = u"ﾊﾝｶｸ"_s;
    CopyFlags[19] = -5;
    QString error;
    ASSERT_TRUE(saveTemplateFile(&error)) << utf8(error);
    const QByteArray saved = readData(u"customdata.csv"_s);

    resetTemplateToDefaults();
    FieldReader reader(saved);
    ASSERT_TRUE(readTemplate(reader));
    EXPECT_EQ(levelTitle(), u"レベル, その１～"_s);
    EXPECT_EQ(CopyTitles[20], u"ﾊﾝｶｸ"_s);
    EXPECT_EQ(CopyFlags[19], -5);
}

// A double quote in an unquoted text or a line break in a quoted one, as a hand-edited file may
// hold: the diet is kept, and the next save writes the texts in a form the file can hold.
TEST_F(DataFiles, HandEditedTextsAreReadAsTheyStandAndSavedInAStorableForm)
{
    QByteArray header = declaredYourData.left(declaredYourData.indexOf("#2008-10-20#"));
    header.replace("\"example.jp/diet\"", "www.example.com/?q=\"diet\"")
        .replace("\"hand, typed\"", "\"two\r\nlines\"");
    writeData(u"yourdata.csv"_s, header + "#2008-10-20#,78\r\n");
    startUp();
    EXPECT_EQ(setupDone(), 1);
    EXPECT_TRUE(keptFiles().isEmpty());
    EXPECT_EQ(webAddress(), u"www.example.com/?q=\"diet\""_s);
    EXPECT_EQ(reservedText2(), u"two\r\nlines"_s);

    FieldWriter writer;
    writeSettingsHeader(writer);
    EXPECT_TRUE(writer.ok());
    EXPECT_TRUE(
        writer.bytes().contains("2400,\"www.example.com/?q=%22diet%22\"\r\n255,\"two lines\"\r\n"))
        << writer.bytes().constData();

    levelTitle() = u"say \"hi\""_s;
    ASSERT_TRUE(saveTemplateFile(nullptr));
    EXPECT_TRUE(readData(u"customdata.csv"_s).startsWith("0,\"say \x81\x68hi\x81\x68\"\r\n"));
}

// An editor saved the template as UTF-8, with a byte-order mark: the flags and every title are
// kept, and a save writes the titles' bytes back as they were (without the mark).
TEST_F(DataFiles, ATemplateSavedAsUtf8IsKeptAndSavedBackByteForByte)
{
    const QByteArray utf8 =
        decodeCodePage(defaultCustomData()).replace(0, 1, u"1"_s).toUtf8(); // copyPhrase 1
    writeData(u"customdata.csv"_s, "\xEF\xBB\xBF" + utf8);
    startUp();
    EXPECT_TRUE(keptFiles().isEmpty());
    EXPECT_EQ(copyPhrase(), 1);
    EXPECT_EQ(CopyTitles[7], u"abcdefghijk"_s);
    ASSERT_TRUE(saveTemplateFile(nullptr));
    EXPECT_EQ(readData(u"customdata.csv"_s).toHex(), utf8.toHex());
}

TEST_F(DataFiles, ATitleTheFileCannotHoldIsReportedAndNothingIsWritten)
{
    writeData(u"customdata.csv"_s, defaultCustomData());
    startUp();
    levelTitle() = u"say 😀"_s;
    QString error;
    EXPECT_FALSE(saveTemplateFile(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readData(u"customdata.csv"_s), defaultCustomData());
}

TEST_F(DataFiles, TableRowsAreWrittenAsWholeDaysAndNumbers)
{
    writeData(u"yourdata.csv"_s, declaredYourData);
    startUp();
    const std::vector<std::pair<QString, QString>> rows = {
        {u"20081020"_s, u"78.0"_s}, {u"20081019"_s, u".5"_s}, {u"20081113"_s, u"72"_s}};
    QString problem;
    const QByteArray bytes = yourDataBytes(
        3, [&](qsizetype i) { return rows[i]; }, &problem);
    EXPECT_TRUE(bytes.endsWith("#2008-10-20#,78\r\n#2008-10-19#,.5\r\n#2008-11-13#,72\r\n"))
        << bytes.constData();

    const QByteArray refused = yourDataBytes(
        1, [](qsizetype) { return std::pair(u"2008111"_s, u"72"_s); }, &problem);
    EXPECT_TRUE(refused.isEmpty());
    EXPECT_FALSE(problem.isEmpty());
}

// One damaged log line costs that line alone, whatever is damaged in it; blank lines cost nothing.
TEST_F(DataFiles, TheLogIsReadToTheEndPastItsDamagedLines)
{
    const LogFileContents whole = readLogFile(declaredYourData);
    EXPECT_FALSE(whole.damaged());
    ASSERT_EQ(whole.entries.size(), 2u);
    EXPECT_EQ(whole.entries[0].weight, 78);
    EXPECT_EQ(dateFromSerial(whole.entries[1].date), QDate(2008, 10, 17));

    const LogFileContents cut =
        readLogFile(declaredYourData +
                    "#2008-10-21#,abc\r\n\r\n#2008-10-22#,1,2\r\n#2008-10-2\r\n"
                    "#2008-10-23#,\"3\"\n#2008-10-24\r#2008-10-25#,7" +
                    QByteArray("\0", 1) + "\r#2008-10-26#,2\r\n");
    EXPECT_TRUE(cut.damaged());
    EXPECT_EQ(cut.reading.skippedLines, (std::vector<qsizetype>{12, 14, 15, 16, 17, 18}));
    ASSERT_EQ(cut.entries.size(), 3u);
    EXPECT_EQ(cut.entries.back().weight, 2);

    const LogFileContents headerOnly =
        readLogFile(declaredYourData.left(declaredYourData.indexOf("#2008-10-20#")));
    EXPECT_FALSE(headerOnly.damaged());
    EXPECT_TRUE(headerOnly.entries.empty());
    EXPECT_TRUE(readLogFile("1,80\r\n").damaged());
}

TEST_F(DataFiles, AFailedWriteIsReportedAndLeavesTheOldFileWhole)
{
    writeData(u"yourdata.csv"_s, declaredYourData);
    QString error;
    EXPECT_FALSE(saveFile(dataPath(u"missing/yourdata.csv"_s), "x", &error));
    EXPECT_FALSE(error.isEmpty());

    // A tolmidata that has become a plain file: the write fails for root too.
    const QString plain = directory.path() + u"/plain"_s;
    QFile(plain).open(QIODevice::WriteOnly);
    error.clear();
    EXPECT_FALSE(saveFile(plain + u"/yourdata.csv"_s, "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readData(u"yourdata.csv"_s), declaredYourData);
}
