// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/dateserial.h"
#include "state/fieldcodec.h"
#include "support/locales.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// Numbers are written and read with a point whatever the user's locale.
class FieldCodec : public UnderEachLocale
{
};
RUN_UNDER_EACH_LOCALE(FieldCodec);

TEST_P(FieldCodec, RealsHaveNoZeroBeforeThePointAndNoTrailingZeros)
{
    EXPECT_EQ(formatReal(0.5), ".5");
    EXPECT_EQ(formatReal(100.0), "100");
    EXPECT_EQ(formatReal(65.56), "65.56");
    EXPECT_EQ(formatReal(-1.5), "-1.5");
    EXPECT_EQ(formatReal(-0.25), "-.25");
    EXPECT_EQ(formatReal(0.0), "0");
    EXPECT_EQ(formatReal(-0.0), "0");
    EXPECT_EQ(formatReal(123456789.012345), "123456789.012345");
    EXPECT_EQ(formatReal(1.0 / 3.0), ".333333333333333");
    EXPECT_EQ(formatReal(0.1 + 0.2), ".3");
}

TEST_P(FieldCodec, RecordsAreWrittenWithCommasQuotesAndCrLf)
{
    FieldWriter writer;
    writer.integer(-120);
    writer.text(u"レベル： "_s);
    writer.endRecord();
    writer.date(serialFromDate(QDate(2008, 1, 1)));
    writer.real(.5);
    writer.endRecord();
    writer.date(serialFromDateTime(QDateTime(QDate(2008, 10, 17), QTime(21, 5, 9))));
    writer.text(QString());
    writer.endRecord();
    ASSERT_TRUE(writer.ok());
    // "レベル： " in the Windows Japanese code page.
    EXPECT_EQ(writer.bytes(), QByteArray("-120,\"\x83\x8C\x83\x78\x83\x8B\x81\x46 \"\r\n"
                                         "#2008-01-01#,.5\r\n"
                                         "#2008-10-17 21:05:09#,\"\"\r\n"));
}

TEST_P(FieldCodec, ReaderTakesFieldsInSequenceAcrossLineEnds)
{
    // Three fields on a line shift every following field.
    FieldReader reader("1,2,3\r\n4,5\r\n");
    std::int32_t a = 0, b = 0, c = 0, d = 0, e = 0;
    ASSERT_TRUE(reader.readInteger(a) && reader.readInteger(b) && reader.readInteger(c) &&
                reader.readInteger(d) && reader.readInteger(e));
    EXPECT_EQ(std::vector({a, b, c, d, e}), std::vector({1, 2, 3, 4, 5}));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.readInteger(a));
}

TEST_P(FieldCodec, QuotedTextRunsToTheNextQuoteSoItMayHoldCommas)
{
    FieldReader reader("  7 , \"a, b\"\r\n\"\x83\x8C\x83\x78\x83\x8B\",x\r\n");
    std::int32_t number = 0;
    QString first, second, third;
    ASSERT_TRUE(reader.readInteger(number));
    ASSERT_TRUE(reader.readText(first));
    ASSERT_TRUE(reader.readText(second));
    ASSERT_TRUE(reader.readText(third));
    EXPECT_EQ(number, 7);
    EXPECT_EQ(first, u"a, b"_s);
    EXPECT_EQ(second, u"レベル"_s);
    EXPECT_EQ(third, u"x"_s);
}

TEST_P(FieldCodec, DatesKeepTheirTimeOfDay)
{
    FieldReader reader("#2008-10-17 21:05:09#,#2008-01-01#\r\n");
    DateSerial withTime = 0, withoutTime = 0;
    ASSERT_TRUE(reader.readDate(withTime));
    ASSERT_TRUE(reader.readDate(withoutTime));
    EXPECT_EQ(dateTimeFromSerial(withTime), QDateTime(QDate(2008, 10, 17), QTime(21, 5, 9)));
    EXPECT_EQ(withoutTime, serialFromDate(QDate(2008, 1, 1)));

    FieldWriter writer;
    writer.date(withTime);
    // Years beyond four digits (only a hand-edited serial holds them) keep their digits and sign.
    writer.date(*serialFromCivil(10000, 6, 7));
    writer.date(*serialFromCivil(-5, 1, 2));
    EXPECT_EQ(writer.bytes(), "#2008-10-17 21:05:09#,#10000-06-07#,#-005-01-02#");
}

TEST_P(FieldCodec, FieldsOfTheWrongKindFailToRead)
{
    std::int32_t integer = 5;
    double real = 5;
    DateSerial date = 5;
    QString text = u"kept"_s;
    EXPECT_FALSE(FieldReader("\"abc\"").readInteger(integer));
    EXPECT_FALSE(FieldReader("4294967296").readInteger(integer));
    EXPECT_FALSE(FieldReader("1.5").readInteger(integer));
    EXPECT_FALSE(FieldReader("").readInteger(integer));
    EXPECT_FALSE(FieldReader("#2008-01-01#").readReal(real));
    EXPECT_FALSE(FieldReader("nan").readReal(real));
    EXPECT_FALSE(FieldReader("1e309").readReal(real));
    EXPECT_FALSE(FieldReader("#2008-13-45#").readDate(date));
    EXPECT_FALSE(FieldReader("2008-01-01").readDate(date));
    EXPECT_FALSE(FieldReader("#2008-01-01").readDate(date));
    EXPECT_FALSE(FieldReader("\"unterminated").readText(text));
    EXPECT_EQ(integer, 5);
    EXPECT_EQ(real, 5);
    EXPECT_EQ(date, 5);
    EXPECT_EQ(text, u"kept"_s);
}

TEST_P(FieldCodec, ReadsRealsInEveryWrittenForm)
{
    for (const auto &[bytes, expected] : std::vector<std::pair<QByteArray, double>>{
             {".5", 0.5}, {"-.5", -0.5}, {"100", 100}, {"65.56", 65.56}, {"1e+20", 1e20}}) {
        double value = 0;
        EXPECT_TRUE(FieldReader(bytes).readReal(value)) << bytes.constData();
        EXPECT_EQ(value, expected) << bytes.constData();
    }
}

TEST_P(FieldCodec, TextsTheFileCannotHoldAreRefused)
{
    EXPECT_TRUE(isStorableText(u"体重～ｶﾞﾝﾊﾞﾚ①"_s));
    EXPECT_FALSE(isStorableText(u"say \"hi\""_s));
    EXPECT_FALSE(isStorableText(u"two\r\nlines"_s));
    EXPECT_FALSE(isStorableText(u"😀"_s));
    EXPECT_FALSE(isStorableText(u"한국어"_s));

    FieldWriter writer;
    EXPECT_FALSE(writer.text(u"😀"_s));
    EXPECT_FALSE(writer.ok());

    // What a hand-edited file brought in is written in a form the file can hold.
    EXPECT_EQ(storableForm(u"say \"hi\"\r\ntwo\rthree\nfour"_s), u"say ”hi” two three four"_s);
    EXPECT_EQ(storableForm(u"q=\"a\""_s, u"%22"), u"q=%22a%22"_s);
    FieldWriter quoted;
    EXPECT_TRUE(quoted.text(u"a\"b\r\nc"_s));
    EXPECT_EQ(quoted.bytes(), "\"a\x81\x68"
                              "b c\"");
}

// A text is read whatever its bytes: those the code page does not decode come back as themselves
// when the text is written, so a save changes nothing the user did not edit.
TEST_P(FieldCodec, BytesThatDoNotDecodeAreWrittenBackAsThemselves)
{
    for (const QByteArray &bytes : {QByteArray("www.\x85\x40.jp"), // a pair left unassigned
                                    QByteArray("abc\x85"),         // a lead byte cut short
                                    QByteArray("\x81\xff\x80\xa0\xfd\xfe\xff"),
                                    QByteArray("\xE3\x83\xAC\xE3\x83\x99\xEF\xBC\x9A ")}) { // UTF-8
        QString text;
        ASSERT_TRUE(FieldReader('"' + bytes + '"').readText(text)) << bytes.toHex().constData();
        EXPECT_TRUE(std::any_of(text.begin(), text.end(), isRawByte)) << bytes.toHex().constData();
        FieldWriter writer;
        EXPECT_TRUE(writer.text(text));
        EXPECT_EQ(writer.bytes().toHex(), ('"' + bytes + '"').toHex());
    }
    // An editor's UTF-8 byte-order mark before the first field is passed over.
    std::int32_t flag = 0;
    EXPECT_TRUE(FieldReader("\xEF\xBB\xBF"
                            "1,\"x\"")
                    .readInteger(flag));
    EXPECT_EQ(flag, 1);
}

TEST_P(FieldCodec, WaveDashIsWrittenAsWindowsWritesIt)
{
    QByteArray bytes;
    ASSERT_TRUE(encodeCodePage(u"～"_s, bytes));
    EXPECT_EQ(bytes, QByteArray("\x81\x60"));
}
