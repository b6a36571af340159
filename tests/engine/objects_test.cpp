// SPDX-License-Identifier: GPL-3.0-or-later
// The lost grams, the gained-weight texts, and the lookup (anchor, bound, range end,
// pick, cheer override) on small tables and on the whole WeightObjectTable, with scripted draws.
#include "engine/objects.h"
#include "scripteddraws.h"

#include <QString>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

std::string utf8(const QString &text)
{
    return text.toStdString();
}

// Ten rows, ordered except for row 5 (1030 g after 1100 g), in the manner of the whole table.
const std::vector<WeightObject> SmallTable = {
    {u"がんばれー", 0},       {u"ガンバレー", 0},        {u"一円玉硬貨", 1}, {u"鉛筆", 4},
    {u"小麦粉１カップ", 105}, {u"１リットルの水", 1000}, {u"ウサギ", 1100},  {u"遅れた行", 1030},
    {u"ダチョウの卵", 1200},  {u"最後の行", 5000},
};

QString nameOf(int row)
{
    return QString::fromUtf16(WeightObjectTable[row].objectName);
}

// The whole lookup on the whole table for a loss, shown with the sign.
ChangeLine lose(double kilograms, ScriptedDraws &draws, int showSign = 1)
{
    return changeLine(70.0 + kilograms, 70.0, showSign, draws.function());
}

} // namespace

TEST(Objects, LostGramsRoundToTheNearestGramHalvesToEven)
{
    EXPECT_EQ(lostGramsOf(80.0, 78.0), 2000);
    EXPECT_EQ(lostGramsOf(60.1, 60.0), 100); // 100.0000000000014
    EXPECT_EQ(lostGramsOf(78.0, 80.0), -2000);
    ASSERT_EQ(0.0025 * 1000, 2.5);
    EXPECT_EQ(lostGramsOf(0.0025, 0), 2);
    ASSERT_EQ(0.0035 * 1000, 3.5);
    EXPECT_EQ(lostGramsOf(0.0035, 0), 4);
    ASSERT_EQ(0.0005 * 1000, 0.5);
    EXPECT_EQ(lostGramsOf(0.0005, 0), 0); // half a gram is no change
    EXPECT_EQ(lostGramsOf(0, 0.0025), -2);
    EXPECT_EQ(lostGramsOf(0, 0.0035), -4);
    EXPECT_EQ(lostGramsOf(0.0004, 0), 0);
    EXPECT_EQ(lostGramsOf(0.0006, 0), 1);
}

TEST(Objects, LostGramsStayInTheirRange)
{
    EXPECT_EQ(lostGramsOf(1e300, 0), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(lostGramsOf(0, 1e300), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(lostGramsOf(3000000.0, 0), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(lostGramsOf(std::numeric_limits<double>::quiet_NaN(), 0), 0);
    EXPECT_EQ(lostGramsOf(std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()),
              0); // the difference is not a finite number
}

TEST(Objects, BracketBoundIsTheNextHundredAbove)
{
    EXPECT_EQ(bracketBound(0), 100);
    EXPECT_EQ(bracketBound(99), 100);
    EXPECT_EQ(bracketBound(100), 200);
    EXPECT_EQ(bracketBound(2005), 2100);
    EXPECT_EQ(bracketBound(56200000), 56200100);
    EXPECT_EQ(bracketBound(std::numeric_limits<std::int32_t>::max()), 2147483700LL);
    EXPECT_EQ(bracketBound(-150), -100);
}

TEST(Objects, AnchorIsTheFirstRowAtLeastAsHeavyAndStopsAtTheSecondToLastRow)
{
    EXPECT_EQ(anchorRow(SmallTable, 0), 0);
    EXPECT_EQ(anchorRow(SmallTable, 1), 2);
    EXPECT_EQ(anchorRow(SmallTable, 4), 3); // exactly an object's weight: that row
    EXPECT_EQ(anchorRow(SmallTable, 5), 4);
    EXPECT_EQ(anchorRow(SmallTable, 1030), 6); // the scan never sorts: 1100 g comes first
    EXPECT_EQ(anchorRow(SmallTable, 1150), 8);
    EXPECT_EQ(anchorRow(SmallTable, 1300), 8); // heavier than every row before the last two
    EXPECT_EQ(anchorRow(SmallTable, 999999), 8);
}

TEST(Objects, RangeEndIsTheFirstRowAtTheBoundOrTheLastRow)
{
    EXPECT_EQ(rangeEnd(SmallTable, 0, 100), 4);
    EXPECT_EQ(rangeEnd(SmallTable, 6, 1200), 8); // the out-of-order 1030 g row shares the bracket
    EXPECT_EQ(rangeEnd(SmallTable, 8, 1300), 9);
    EXPECT_EQ(rangeEnd(SmallTable, 8, 999999), 9); // never past the last row
}

TEST(Objects, PickIsUniformOverTheCandidates)
{
    // A loss of 1030 g: anchor row 6 (1100 g), bound 1200, candidates rows 6 and 7.
    ScriptedDraws draws{0.0, 0.4999, 0.5, 0.9999};
    EXPECT_EQ(chooseObjectRow(SmallTable, 1030, draws.function()), 6);
    EXPECT_EQ(chooseObjectRow(SmallTable, 1030, draws.function()), 6);
    EXPECT_EQ(chooseObjectRow(SmallTable, 1030, draws.function()), 7);
    EXPECT_EQ(chooseObjectRow(SmallTable, 1030, draws.function()), 7);
    EXPECT_EQ(draws.taken, 4u); // one draw each: the anchor weighs more than 0 g
}

TEST(Objects, NoRowInTheBracketLeavesTheFirstHeavierRowAlone)
{
    ScriptedDraws draws{0.99};
    EXPECT_EQ(chooseObjectRow(SmallTable, 500, draws.function()), 5); // 1000 g, bound 1100
}

TEST(Objects, CheerOverrideHasThreeOutcomes)
{
    // No change: anchor row 0, bound 100, candidates rows 0 to 3 of the small table. The first
    // draw picks row 3; the second draw (r = ⌊R × 100⌋) overrides it.
    ScriptedDraws draws{drawFor(3, 4), 0.615, drawFor(3, 4), 0.605, drawFor(3, 4), 0.215,
                        drawFor(3, 4), 0.205, drawFor(3, 4), 0.0,   drawFor(2, 4), 0.9999};
    EXPECT_EQ(chooseObjectRow(SmallTable, 0, draws.function()), 1); // r = 61 > 60
    EXPECT_EQ(chooseObjectRow(SmallTable, 0, draws.function()), 0); // r = 60: not above 60
    EXPECT_EQ(chooseObjectRow(SmallTable, 0, draws.function()), 0); // r = 21 > 20
    EXPECT_EQ(chooseObjectRow(SmallTable, 0, draws.function()), 3); // r = 20: the pick stands
    EXPECT_EQ(chooseObjectRow(SmallTable, 0, draws.function()), 3); // r = 0
    EXPECT_EQ(chooseObjectRow(SmallTable, 0, draws.function()), 1); // r = 99
    EXPECT_EQ(draws.taken, 12u);
}

TEST(Objects, TinyTablesAndWildDrawsStayInside)
{
    const std::vector<WeightObject> one = {{u"ひとつ", 0}};
    ScriptedDraws draws{0.5, 0.99, 1.0, 0.0, std::numeric_limits<double>::quiet_NaN(), -3.0};
    EXPECT_EQ(chooseObjectRow(one, 0, draws.function()), 0); // the override cannot reach row 1
    EXPECT_EQ(chooseObjectRow(SmallTable, 1030, draws.function()), 7); // R = 1.0 held to the last
    EXPECT_EQ(chooseObjectRow(SmallTable, 4000, draws.function()), 8);
    EXPECT_EQ(chooseObjectRow(SmallTable, 1030, draws.function()), 6); // NaN reads as 0
    EXPECT_EQ(chooseObjectRow(SmallTable, 1030, draws.function()), 6);
    EXPECT_EQ(chooseObjectRow({}, 100, draws.function()), -1);
    EXPECT_EQ(changeLine(2, 1, 1, draws.function(), {}).text, u"-1.0 kg "_s);
    EXPECT_EQ(draws.taken, 6u);
}

// The worked lookup examples on the whole table, with showSign = 1.

TEST(Objects, ExampleOneHundredGrams)
{
    EXPECT_EQ(anchorRow(WeightObjectTable, 100), 25);
    EXPECT_EQ(bracketBound(WeightObjectTable[25].grams), 200);
    EXPECT_EQ(rangeEnd(WeightObjectTable, 25, 200), 53); // candidates 25 to 52
    ScriptedDraws draws{0.0, 0.99999, drawFor(4, 28)};
    EXPECT_EQ(lose(0.1, draws).text, u"-0.1 kg "_s + nameOf(25));
    const ChangeLine last = lose(0.1, draws);
    EXPECT_EQ(last.row, 52);
    EXPECT_EQ(last.text, u"-0.1 kg 世界最大の鶏卵"_s);
    EXPECT_EQ(lose(0.1, draws).text, u"-0.1 kg 小麦粉１カップ"_s); // row 29
}

TEST(Objects, ExampleOneKilogram)
{
    EXPECT_EQ(anchorRow(WeightObjectTable, 1000), 114);
    EXPECT_EQ(rangeEnd(WeightObjectTable, 114, bracketBound(1000)), 123); // candidates 114 to 122
    ScriptedDraws draws{drawFor(0, 9), drawFor(6, 9), drawFor(8, 9)};
    EXPECT_EQ(lose(1.0, draws).text, u"-1.0 kg ９．８ニュートン"_s);
    EXPECT_EQ(lose(1.0, draws).text, u"-1.0 kg ハリネズミ"_s);
    EXPECT_EQ(lose(1.0, draws).row, 122);
}

TEST(Objects, ExampleTwoKilograms)
{
    EXPECT_EQ(anchorRow(WeightObjectTable, 2000), 175);
    EXPECT_EQ(rangeEnd(WeightObjectTable, 175, bracketBound(WeightObjectTable[175].grams)), 181);
    ScriptedDraws draws{drawFor(2, 6), drawFor(5, 6), drawFor(0, 6), drawFor(2, 6)};
    EXPECT_EQ(lose(2.0, draws).text, u"-2.0 kg アイアイ"_s);
    EXPECT_EQ(lose(2.0, draws).text, u"-2.0 kg 聖護院だいこん"_s);
    EXPECT_EQ(lose(2.0, draws).row, 175);
    // Without the sign option the loss has no sign.
    EXPECT_EQ(lose(2.0, draws, 0).text, u"2.0 kg アイアイ"_s);
}

TEST(Objects, ExampleTenKilograms)
{
    EXPECT_EQ(anchorRow(WeightObjectTable, 10000), 324);
    EXPECT_EQ(rangeEnd(WeightObjectTable, 324, 10100), 326);
    ScriptedDraws draws{0.0, 0.49, 0.5, 0.99};
    EXPECT_EQ(lose(10.0, draws).text, u"-10.0 kg 十二単"_s);
    EXPECT_EQ(lose(10.0, draws).text, u"-10.0 kg 十二単"_s);
    EXPECT_EQ(lose(10.0, draws).text, u"-10.0 kg タラバガニ（Ｍ）１０匹分"_s);
    EXPECT_EQ(lose(10.0, draws).text, u"-10.0 kg タラバガニ（Ｍ）１０匹分"_s);
}

TEST(Objects, NoChangeShowsACheerOrASmallObjectWithoutASign)
{
    // Candidates rows 0 to 24 (everything below 100 g); then the override.
    EXPECT_EQ(rangeEnd(WeightObjectTable, 0, bracketBound(0)), 25);
    ScriptedDraws draws{drawFor(4, 25), 0.615, drawFor(4, 25),  0.5,
                        drawFor(4, 25), 0.1,   drawFor(24, 25), 0.0};
    EXPECT_EQ(changeLine(65, 65, 1, draws.function()).text, u"0.0 kg ガンバレー"_s);
    EXPECT_EQ(changeLine(65, 65, 1, draws.function()).text, u"0.0 kg がんばれー"_s);
    EXPECT_EQ(changeLine(65, 65, 1, draws.function()).text, u"0.0 kg 鉛筆"_s);
    EXPECT_EQ(changeLine(65, 65, 0, draws.function()).text, u"0.0 kg ゴライアスオオツノコガネ"_s);
    EXPECT_EQ(draws.taken, 8u);
}

TEST(Objects, LessThanHalfAGramCountsAsNoChange)
{
    ScriptedDraws draws{0.0, 0.9, 0.0, 0.3};
    const ChangeLine lost = changeLine(65.0004, 65, 1, draws.function());
    EXPECT_EQ(lost.lostGrams, 0);
    EXPECT_EQ(lost.text, u"0.0 kg ガンバレー"_s);
    const ChangeLine gained = changeLine(65, 65.0004, 1, draws.function());
    EXPECT_EQ(gained.lostGrams, 0);
    EXPECT_EQ(gained.text, u"0.0 kg がんばれー"_s);
}

TEST(Objects, GainShowsRowZeroWithOrWithoutThePlus)
{
    ScriptedDraws draws{};
    EXPECT_EQ(changeLine(65.0, 66.5, 1, draws.function()).text, u"+1.5 kg がんばれー"_s);
    EXPECT_EQ(changeLine(65.0, 66.5, 0, draws.function()).text, u"-1.5 kg がんばれー"_s);
    EXPECT_EQ(changeLine(65.0, 66.5, 2, draws.function()).text, u"-1.5 kg がんばれー"_s);
    const ChangeLine gained = changeLine(65.0, 75.0, 1, draws.function());
    EXPECT_EQ(gained.row, 0);
    EXPECT_EQ(gained.lostGrams, -10000);
    EXPECT_EQ(draws.taken, 0u); // a gain draws nothing
}

TEST(Objects, SignOptionOtherThanOneShowsNoSign)
{
    ScriptedDraws draws{drawFor(2, 6), drawFor(2, 6)};
    EXPECT_EQ(lose(2.0, draws, 0).text, u"2.0 kg アイアイ"_s);
    EXPECT_EQ(lose(2.0, draws, 5).text, u"2.0 kg アイアイ"_s);
}

TEST(Objects, LossHeavierThanRowFiveHundredStopsAtRowFiveHundredAndOne)
{
    ASSERT_EQ(WeightObjectTable[501].grams, 56200000);
    ASSERT_EQ(WeightObjectTable[502].grams, 62600000);
    for (double kilograms : {WeightObjectTable[500].grams / 1000.0 + 0.1, 60000.0, 100000.0}) {
        ScriptedDraws draws{0.99};
        const ChangeLine line = changeLine(kilograms, 0, 1, draws.function());
        EXPECT_EQ(line.row, 501) << kilograms;
        EXPECT_EQ(draws.taken, 1u);
        EXPECT_TRUE(line.text.endsWith(u" kg "_s + nameOf(501))) << utf8(line.text);
    }
    EXPECT_EQ(anchorRow(WeightObjectTable, std::numeric_limits<std::int32_t>::max()), 501);
    EXPECT_EQ(rangeEnd(WeightObjectTable, 501, bracketBound(56200000)), 502);
}

TEST(Objects, ExactlyAnObjectsWeightAnchorsAtThatWeight)
{
    for (int row = 2; row <= 501; ++row) {
        const std::int32_t grams = WeightObjectTable[row].grams;
        const int anchor = anchorRow(WeightObjectTable, grams);
        EXPECT_LE(anchor, row) << row;
        EXPECT_GE(WeightObjectTable[anchor].grams, grams) << row;
        for (int k = 0; k < anchor; ++k)
            ASSERT_LT(WeightObjectTable[k].grams, grams) << row << " " << k;
    }
    EXPECT_EQ(anchorRow(WeightObjectTable, 10000), 324);
    EXPECT_EQ(anchorRow(WeightObjectTable, 10050), 325);
}

TEST(Objects, EveryLossPicksAStatedCandidate)
{
    // Every whole-tenth loss from 0.1 kg to 60 kg, with the first and the last candidate.
    for (int tenths = 1; tenths <= 600; ++tenths) {
        const std::int32_t grams = tenths * 100;
        const int i = anchorRow(WeightObjectTable, grams);
        const int j = rangeEnd(WeightObjectTable, i, bracketBound(WeightObjectTable[i].grams));
        ASSERT_GT(j, i) << tenths;
        ScriptedDraws draws{0.0, 0.999999};
        EXPECT_EQ(chooseObjectRow(WeightObjectTable, grams, draws.function()), i);
        EXPECT_EQ(chooseObjectRow(WeightObjectTable, grams, draws.function()), j - 1);
    }
}
