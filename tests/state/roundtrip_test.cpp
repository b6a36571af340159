// SPDX-License-Identifier: GPL-3.0-or-later
// Random valid states and logs, written by the program's writers and read back by its readers:
// they come back equal, and a second write gives the same bytes. Every case has its own seed,
// named in a failure, so that a failing case reproduces.

#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/numbers.h"
#include "support/tolmitest.h"

#include <QDir>
#include <QRandomGenerator>
#include <charconv>
#include <limits>
#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDateTime loadMoment(QDate(2026, 12, 9), QTime(8, 15, 0));

// The characters of the Windows Japanese code page, one pool per kind, found by decoding its
// single bytes and the double-byte codes of each range.
struct CodePageKinds
{
    std::vector<std::vector<QChar>> pools;

    CodePageKinds()
    {
        addSingleBytes(0x01, 0x1F);     // control codes
        addSingleBytes(0x20, 0x7F);     // ASCII and DEL
        addSingleBytes(0xA1, 0xDF);     // half-width katakana
        addDoubleBytes(0x8140, 0x84BE); // symbols, full-width, kana
        addDoubleBytes(0x8740, 0x879C); // NEC specials: ① Ⅰ ㈱
        addDoubleBytes(0x889F, 0x9872); // kanji, first level
        addDoubleBytes(0x989F, 0xEAA4); // kanji, second level
        addDoubleBytes(0xED40, 0xEEFC); // NEC-selected IBM: 髙
        addDoubleBytes(0xFA40, 0xFC4B); // IBM extensions
    }

    void addSingleBytes(int first, int last)
    {
        std::vector<QChar> pool;
        for (int code = first; code <= last; ++code)
            addDecoded(QByteArray(1, char(code)), pool);
        pools.push_back(std::move(pool));
    }

    void addDoubleBytes(int first, int last)
    {
        std::vector<QChar> pool;
        for (int code = first; code <= last; ++code) {
            const int trail = code & 0xFF;
            if (trail < 0x40 || trail == 0x7F || trail > 0xFC)
                continue;
            const char bytes[] = {char(code >> 8), char(trail)};
            addDecoded(QByteArray(bytes, 2), pool);
        }
        pools.push_back(std::move(pool));
    }

    static void addDecoded(const QByteArray &bytes, std::vector<QChar> &pool)
    {
        const QString text = decodeCodePage(bytes);
        if (text.size() == 1 && isStorableText(text))
            pool.push_back(text.front());
    }
};

const CodePageKinds &codePage()
{
    static const CodePageKinds kinds;
    return kinds;
}

class RandomValues
{
public:
    explicit RandomValues(quint32 seed) : random(seed) {}

    int below(int bound) { return static_cast<int>(random.bounded(bound)); }

    std::int32_t integer()
    {
        constexpr std::int32_t edges[] = {std::numeric_limits<std::int32_t>::min(),
                                          std::numeric_limits<std::int32_t>::max(), -1, 0, 1};
        if (below(4) == 0)
            return edges[below(5)];
        return static_cast<std::int32_t>(random.generate());
    }

    // A real with 1 to 15 significant digits, as a decimal text turned into a number would be.
    double real()
    {
        std::string text = below(2) ? "-" : "";
        const int digits = 1 + below(15);
        for (int i = 0; i < digits; ++i)
            text += char('0' + below(10));
        text += 'e' + std::to_string(below(28) - 12 - digits);
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value;
    }

    // A text of up to 20 characters, each of a random kind.
    QString text()
    {
        const auto &pools = codePage().pools;
        QString text;
        for (int length = below(21); length > 0; --length) {
            const auto &pool = pools[below(static_cast<int>(pools.size()))];
            text += pool[below(static_cast<int>(pool.size()))];
        }
        return text;
    }

    QDate date()
    {
        const QDate first(1, 1, 1);
        return first.addDays(below(static_cast<int>(first.daysTo(QDate(9999, 12, 31))) + 1));
    }

    // Half the time with a time of day.
    DateSerial dateTime()
    {
        const int seconds = below(2) ? below(86400) : 0;
        return serialFromDateTime(QDateTime(date(), QTime(0, 0).addSecs(seconds)));
    }

    // A row of the settings screen's table: "yyyymmdd" and a weight in the "###.0" form.
    std::pair<QString, QString> tableRow()
    {
        const double tenths = below(2000000) - 1000000;
        return {eightDigitsFromDate(date()), formatWeightText(tenths / 10)};
    }

private:
    QRandomGenerator random;
};

void fillSettings(RandomValues &random)
{
    for (int n = 1; n <= 9; ++n)
        LongSlots[n] = random.integer();
    for (int n = 1; n <= 5; ++n)
        RealSlots[n] = random.real();
    for (int n = 1; n <= 2; ++n) {
        TextSlots[n] = random.text();
        DateSlots[n] = random.dateTime();
    }
}

void fillTemplate(RandomValues &random)
{
    for (int n = 1; n <= 20; ++n) {
        CopyFlags[n] = random.integer();
        CopyTitles[n] = random.text();
    }
}

std::vector<std::string> utf8All(const auto &texts)
{
    std::vector<std::string> out;
    for (const QString &text : texts)
        out.push_back(text.toStdString());
    return out;
}

// The slots of both files as they stand, for comparing after a reread.
struct AllSlots
{
    decltype(LongSlots) longs = LongSlots;
    decltype(RealSlots) reals = RealSlots;
    std::vector<std::string> texts = utf8All(TextSlots);
    decltype(DateSlots) dates = DateSlots;
    decltype(CopyFlags) flags = CopyFlags;
    std::vector<std::string> titles = utf8All(CopyTitles);
};

void expectEqual(const AllSlots &expected, const AllSlots &actual)
{
    EXPECT_EQ(expected.longs, actual.longs);
    EXPECT_EQ(expected.reals, actual.reals);
    EXPECT_EQ(expected.texts, actual.texts);
    EXPECT_EQ(expected.dates, actual.dates);
    EXPECT_EQ(expected.flags, actual.flags);
    EXPECT_EQ(expected.titles, actual.titles);
}

using TableRows = std::vector<std::pair<QString, QString>>;

QByteArray yourDataFromTable(const TableRows &rows)
{
    QString problem;
    const QByteArray bytes = yourDataBytes(
        static_cast<qsizetype>(rows.size()), [&](qsizetype i) { return rows[std::size_t(i)]; },
        &problem);
    EXPECT_FALSE(bytes.isEmpty()) << utf8(problem);
    return bytes;
}

// What the settings screen's loader puts into its table from the file's log.
TableRows tableFromLog(const std::vector<LogEntry> &entries)
{
    TableRows rows;
    for (const LogEntry &entry : entries)
        rows.emplace_back(eightDigitsFromDate(dateFromSerial(entry.date)),
                          formatWeightText(entry.weight));
    return rows;
}

class RoundTrip : public TolmiTest
{
protected:
    QStringList keptFiles() const
    {
        return QDir(dataPath(QString())).entryList({u"*.unreadable-*"_s}, QDir::Files);
    }

    void saveBothFiles(const TableRows &rows)
    {
        QString error;
        ASSERT_TRUE(saveFile(yourDataPath(), yourDataFromTable(rows), &error)) << utf8(error);
        ASSERT_TRUE(saveTemplateFile(&error)) << utf8(error);
    }
};

} // namespace

TEST_F(RoundTrip, RandomStatesAndTablesSurviveSaveAndStartUp)
{
    for (quint32 seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomValues random(seed);
        fillSettings(random);
        fillTemplate(random);
        if (seed == 1)
            CopyTitles[1] = u"①髙～ｶﾀｶﾅ, 亜弌 Ａ　ｱ"_s; // the ones most easily lost, once for sure
        TableRows rows(std::size_t(1 + random.below(300)));
        for (auto &row : rows)
            row = random.tableRow();
        saveBothFiles(rows);
        const AllSlots saved;
        const QByteArray yourData = readData(u"yourdata.csv"_s);
        const QByteArray customData = readData(u"customdata.csv"_s);

        resetState();
        dataRoot = directory.path();
        loadDataFilesWithRecovery(loadMoment);
        ASSERT_TRUE(keptFiles().isEmpty()) << "a saved file was taken for unreadable";
        expectEqual(saved, AllSlots());
        const LogFileContents log = readLogFile(yourData);
        EXPECT_FALSE(log.damaged());
        EXPECT_EQ(tableFromLog(log.entries), rows);

        saveBothFiles(tableFromLog(log.entries));
        EXPECT_EQ(readData(u"yourdata.csv"_s), yourData);
        EXPECT_EQ(readData(u"customdata.csv"_s), customData);
        if (HasFailure())
            return;
    }
}

// The log as the wizard and the default writer write it: dates with a time of day and reals with
// all their digits, which the table would round.
TEST_F(RoundTrip, RandomLogsWithTimesOfDayReadBackExactly)
{
    for (quint32 seed = 1001; seed <= 1300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomValues random(seed);
        fillSettings(random);
        std::vector<LogEntry> log(std::size_t(1 + random.below(50)));
        for (LogEntry &entry : log)
            entry = {random.dateTime(), random.real()};
        FieldWriter writer;
        writeSettingsHeader(writer);
        for (const LogEntry &entry : log) {
            writer.date(entry.date);
            writer.real(entry.weight);
            writer.endRecord();
        }
        ASSERT_TRUE(writer.ok());
        const AllSlots written;

        resetState();
        const LogFileContents read = readLogFile(writer.bytes());
        ASSERT_FALSE(read.damaged());
        expectEqual(written, AllSlots());
        ASSERT_EQ(read.entries.size(), log.size());
        for (std::size_t i = 0; i < log.size(); ++i) {
            EXPECT_EQ(read.entries[i].date, log[i].date) << "entry " << i;
            EXPECT_EQ(read.entries[i].weight, log[i].weight) << "entry " << i;
        }
        FieldWriter again;
        writeSettingsHeader(again);
        for (const LogEntry &entry : read.entries) {
            again.date(entry.date);
            again.real(entry.weight);
            again.endRecord();
        }
        EXPECT_EQ(again.bytes(), writer.bytes());
        if (HasFailure())
            return;
    }
}

// Only blanks before a field are skipped: an unquoted text keeps those at its end, a number
// does not need them. Quotes and line breaks are read where the field's kind lets them stand.
TEST_F(RoundTrip, HandEditedTextsAreReadAsTheyStand)
{
    for (const auto &[bytes, expected] :
         std::vector<std::pair<QByteArray, QString>>{{"\"two\r\nlines\",1\r\n", u"two\r\nlines"_s},
                                                     {"  a\"b\"  ,1\r\n", u"a\"b\"  "_s},
                                                     {"title \t\r\n1\r\n", u"title \t"_s}}) {
        FieldReader reader(bytes);
        QString text;
        std::int32_t number = 0;
        EXPECT_TRUE(reader.readText(text) && reader.readInteger(number)) << bytes.constData();
        EXPECT_EQ(text, expected) << bytes.constData();
        EXPECT_EQ(number, 1) << bytes.constData();
    }
    double real = 0;
    EXPECT_TRUE(FieldReader(" 80 \t,").readReal(real));
    EXPECT_EQ(real, 80);
    QString text;
    FieldReader reader("\"a, b\"\r\n");
    ASSERT_TRUE(reader.readText(text));
    EXPECT_EQ(text, u"a, b"_s);
}

// The control codes stay themselves, also beside double-byte characters, as Windows keeps them.
TEST_F(RoundTrip, ControlCodesKeepTheirBytesBesideDoubleByteCharacters)
{
    const QString text = u"髙\x1a\x1c\x7f"_s;
    const QByteArray bytes("\xFB\xFC\x1A\x1C\x7F");
    QByteArray encoded;
    ASSERT_TRUE(encodeCodePage(text, encoded));
    EXPECT_EQ(encoded.toHex(), bytes.toHex());
    EXPECT_EQ(decodeCodePage(bytes), text);
}

// The extremes of the reals are written in a form that reads back as nearly the same real.
TEST_F(RoundTrip, TheLargestAndSmallestRealsReadBack)
{
    constexpr double largest = std::numeric_limits<double>::max();
    constexpr double smallest = std::numeric_limits<double>::denorm_min();
    for (double value : {largest, -largest, smallest, -smallest, 1e-320}) {
        FieldWriter writer;
        writer.real(value);
        writer.endRecord();
        FieldReader reader(writer.bytes());
        double read = 0;
        ASSERT_TRUE(reader.readReal(read)) << writer.bytes().constData();
        EXPECT_NEAR(read / value, 1.0, 1e-14) << writer.bytes().constData();
    }
}
