// SPDX-License-Identifier: GPL-3.0-or-later
// Weighings taken in from pasted text and files of other programs, and the log written out for
// them: every written form, the rules of the log editor's write, and the way out and back in.

#include "state/logexport.h"
#include "state/textdecoding.h"
#include "state/weighingimport.h"
#include "support/locales.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDate declared(2000, 1, 1);

// The taken rows as "yyyymmdd ###.0|…" and the refused lines as "line reason|…".
std::pair<std::string, std::string> outcome(const WeighingImport &result)
{
    QStringList taken, refused;
    for (const TakenWeighing &row : result.taken)
        taken << row.dateText + u' ' + row.weightText;
    for (const RefusedLine &line : result.refused)
        refused << QString::number(line.line) + u' ' + refusalReason(line.refusal);
    return {taken.join(u'|').toStdString(), refused.join(u'|').toStdString()};
}

// A text as UTF-16 bytes, with a byte-order mark or without.
QByteArray utf16(const QString &text, bool bigEndian, bool mark)
{
    QByteArray bytes;
    for (const QChar c : (mark ? u"\uFEFF"_s : QString()) + text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes += bigEndian ? QByteArray{&high, 1} + low : QByteArray{&low, 1} + high;
    }
    return bytes;
}

} // namespace

class WeighingText : public UnderEachLocale
{
};
RUN_UNDER_EACH_LOCALE(WeighingText);

TEST_P(WeighingText, EveryWrittenFormReadsAsTheLogEditorWouldWriteIt)
{
    struct Case
    {
        const char *form;
        QString text;
        QString taken;
        QString refused;
    };
    const Case cases[] = {
        {"ISO date, tab", u"2008-10-18\t79.6"_s, u"20081018 79.6"_s, {}},
        {"slashes, short month", u"2008/1/5\t79.6"_s, u"20080105 79.6"_s, {}},
        {"points", u"2008.10.18\t79.6"_s, u"20081018 79.6"_s, {}},
        {"eight digits", u"20081018\t79.6"_s, u"20081018 79.6"_s, {}},
        {"Japanese date", u"2008年10月18日\t79.6"_s, u"20081018 79.6"_s, {}},
        {"day first", u"18.10.2008\t79.6"_s, u"20081018 79.6"_s, {}},
        {"time of day", u"2008-10-19 07:30\t80.1"_s, u"20081019 80.1"_s, {}},
        {"ISO time, zone", u"2008-10-19T07:30:00.000+09:00,80.1"_s, u"20081019 80.1"_s, {}},
        {"blanks, time, kg", u"2008-10-19 7:30  80.1 kg"_s, u"20081019 80.1"_s, {}},
        {"decimal comma, tab", u"2008-10-18\t79,6"_s, u"20081018 79.6"_s, {}},
        {"decimal comma, semicolon", u"18.10.2008;79,6"_s, u"20081018 79.6"_s, {}},
        {"decimal comma, blanks", u"2008-10-18 79,6"_s, u"20081018 79.6"_s, {}},
        {"decimal comma quoted", u"\"2008-10-18\",\"79,6\""_s, u"20081018 79.6"_s, {}},
        {"decimal comma unquoted", u"2008-10-18,79,6"_s, u"20081018 79.6"_s, {}},
        {"three comma fields", u"2008-10-18, 79, 6"_s, u"20081018 79.0"_s, {}},
        {"kg suffix", u"2008-10-18,79.6kg"_s, u"20081018 79.6"_s, {}},
        {"kg field", u"2008-10-18\t79.6\tkg"_s, u"20081018 79.6"_s, {}},
        {"pound suffix", u"2008-10-18 220.5 lbs"_s, u"20081018 100.0"_s, {}},
        {"pounds heading", u"Date,Weight (lbs)\n2008-10-18,1014"_s, u"20081018 459.9"_s, {}},
        {"ポンド heading", u"日付\t体重（ポンド）\n2008-10-18\t220.5"_s, u"20081018 100.0"_s, {}},
        {"export of another program",
         u"\"dateTime\",\"weight\",\"bmi\",\"fat\"\r\n\"2008-10-18 07:30:00\",\"79.6\",\"24.1\","
         u"\"20.3\""_s,
         u"20081018 79.6"_s,
         {}},
        {"semicolons, extra columns",
         u"Date;Weight;Fat;Notes\n18.10.2008;79,6;22,1;gut"_s,
         u"20081018 79.6"_s,
         {}},
        {"weight before date", u"体重,日付\n79.6,2008-10-18"_s, u"20081018 79.6"_s, {}},
        {"weight named before a unit",
         u"Date,Fat mass (kg),Weight (kg)\n2008-10-18,20.1,79.6"_s,
         u"20081018 79.6"_s,
         {}},
        {"separate time column",
         u"Date Time Weight\n2008-10-18 07:30 79.6"_s,
         u"20081018 79.6"_s,
         {}},
        {"weekday taken for the date",
         u"Weekday,Date,Weight\nSat,2008-10-18,79.6"_s,
         u"20081018 79.6"_s,
         {}},
        {"no heading, extra column", u"2008-10-18,Sat,79.6"_s, u"20081018 79.6"_s, {}},
        {"comments, blank lines, mark",
         u"\uFEFF# exported\n\n  \n2008-10-18;79.6\n# end\n"_s,
         u"20081018 79.6"_s,
         {}},
        {"line ends CR, LF, CR LF",
         u"2008-10-18\t70\r2008-10-19\t71\n2008-10-20\t72\r\n2008-10-21\tx"_s,
         u"20081018 70.0|20081019 71.0|20081020 72.0"_s, u"4 体重が読めません"_s},
        {"the rules of the write",
         u"日付,体重\n2008-02-30,70\n2000-01-01,70\n2008-10-18,abc\n2008-10-18,1000\n"
         u"2008-10-18,-1\n0999-12-31,70\n9000-01-02,70\n9000-01-01,999.9\n2000-01-02,0\n"
         u"2008-10-18,79.6\n2008-10-18,79.64\n2008-10-18\n"_s,
         u"90000101 999.9|20000102 .0|20081018 79.6"_s,
         u"2 日付が読めません|3 日付が宣言日以前です|4 体重が読めません|5 体重が範囲外です|"
         u"6 体重が範囲外です|7 日付が範囲外です|8 日付が範囲外です|12 前の行と同じ記録です|"
         u"13 体重が読めません"_s},
    };
    for (const Case &c : cases) {
        const auto [taken, refused] = outcome(importWeighings(c.text, declared, {}));
        EXPECT_EQ(taken, c.taken.toStdString()) << c.form;
        EXPECT_EQ(refused, c.refused.toStdString()) << c.form;
    }
}

TEST_P(WeighingText, OneMessageSaysWhatWasTakenAndWhy)
{
    WeighingKeys log;
    log.insert(u"20081018"_s, u"79.6"_s);
    log.insert(QString(), QString()); // a pending blank row matches nothing
    const QString text = u"2008-10-18\t79.6\n2008-10-19\t79.5\n1999-01-01\t70\n"
                         u"1999-01-02\t70\n1999-01-03\t70\n1999-01-04\t70\n1999-01-05\t70\n"_s;
    EXPECT_EQ(importWeighings(text, declared, log).message,
              u"1件の体重を取り込みました。6件は取り込みませんでした。\n1行目：既にある記録です\n"
              u"3行目：日付が宣言日以前です\n4行目：日付が宣言日以前です\n5行目：日付が宣言日以前"
              u"です\n6行目：日付が宣言日以前です\nほか1件"_s);
    EXPECT_EQ(importWeighings(u"2008-10-19\t79.5"_s, declared, log).message,
              u"1件の体重を取り込みました。"_s);
    EXPECT_EQ(importWeighings(u"1999-01-01\t70"_s, declared, log).message,
              u"取り込んだ体重はありません。1件は取り込みませんでした。\n1行目：日付が宣言日以前"
              u"です"_s);
    const WeighingImport nothing =
        importWeighings(u"日付,体重\n\n# none\nabc,def"_s, declared, log);
    EXPECT_TRUE(nothing.taken.empty() && nothing.refused.empty());
    EXPECT_TRUE(nothing.message.startsWith(u"体重の記録が見つかりませんでした。"_s));
}

// Files as spreadsheets and other programs save them, written here byte by byte.
TEST(WeighingFiles, EachEncodingDecodesToTheSameWeighings)
{
    const QString text = u"日付\t体重\r\n2008-10-18\t79.6\r\n"_s;
    const std::pair<const char *, QByteArray> files[] = {
        {"UTF-8", text.toUtf8()},
        {"UTF-8, mark", "\xEF\xBB\xBF" + text.toUtf8()},
        {"UTF-16 LE, mark (Unicode text)", utf16(text, false, true)},
        {"UTF-16 BE, mark", utf16(text, true, true)},
        {"UTF-16 LE", utf16(text, false, false)},
        {"UTF-16 BE", utf16(text, true, false)},
        {"Shift_JIS", "\x93\xFA\x95\x74\t\x91\xCC\x8F\x64\r\n2008-10-18\t79.6\r\n"},
    };
    for (const auto &[encoding, bytes] : files) {
        const QString decoded = decodeTextFile(bytes);
        EXPECT_EQ(decoded, text) << encoding;
        EXPECT_EQ(outcome(importWeighings(decoded, declared, {})).first, "20081018 79.6")
            << encoding;
    }
    // The code page as Windows writes it, and an ideographic space that puts zero bytes in the
    // other place of UTF-16.
    EXPECT_EQ(decodeTextFile("\x81\x60"), u"～"_s);
    const QString spaced = u"日付\u3000体重\n2008-10-18 79.6\n"_s;
    EXPECT_EQ(decodeTextFile(utf16(spaced, false, false)), spaced);
}

TEST(LogExport, OldestFirstWithIsoDatesAndAZeroBeforeThePoint)
{
    const std::vector<std::pair<QString, QString>> rows = {{u"20081019"_s, u"80.1"_s},
                                                           {QString(), QString()},
                                                           {u"20081018"_s, u".5"_s},
                                                           {u"20080101"_s, u"100.0"_s}};
    const auto rowTexts = [&](qsizetype i) { return rows[i]; };
    EXPECT_EQ(logExportFileBytes(qsizetype(rows.size()), rowTexts),
              "\xEF\xBB\xBF" + u"日付,体重(kg)\r\n2008-01-01,100.0\r\n2008-10-18,0.5\r\n"
                               u"2008-10-19,80.1\r\n"_s.toUtf8());
    EXPECT_EQ(logClipboardText(qsizetype(rows.size()), rowTexts),
              u"日付\t体重(kg)\r\n2008-01-01\t100.0\r\n2008-10-18\t0.5\r\n2008-10-19\t80.1\r\n"_s);
}

// Out and back in, into a fresh diet with the same declaration: the same log, the declaration
// entry coming back as one the log holds already.
TEST(LogExport, AnExportedLogImportsAsTheSameLog)
{
    const std::vector<std::pair<QLatin1StringView, QLatin1StringView>> log = {
        {"90000101"_L1, "999.9"_L1}, {"20081019"_L1, "80.1"_L1}, {"20081019"_L1, "79.9"_L1},
        {"20081018"_L1, ".5"_L1},    {"20000102"_L1, ".0"_L1},   {"20000101"_L1, "85.0"_L1}};
    const QByteArray file =
        logExportFileBytes(qsizetype(log.size()), [&](qsizetype i) { return log[i]; });
    WeighingKeys fresh;
    fresh.insert(log.back().first, log.back().second);
    const WeighingImport result = importWeighings(decodeTextFile(file), declared, fresh);
    ASSERT_EQ(result.taken.size() + 1, log.size());
    for (std::size_t k = 0; k < result.taken.size(); ++k) {
        const std::size_t row = log.size() - 2 - k; // the file is oldest first
        EXPECT_EQ(result.taken[k].dateText, log[row].first);
        EXPECT_EQ(result.taken[k].weightText, log[row].second);
    }
    ASSERT_EQ(result.refused.size(), 1u);
    EXPECT_EQ(result.refused[0].line, 2);
    EXPECT_EQ(result.refused[0].refusal, ImportRefusal::AlreadyInLog);
}
