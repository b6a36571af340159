// SPDX-License-Identifier: GPL-3.0-or-later
// Invariants of the lost-weight table: its size, the telling rows, the counts
// and positions per weight range, the order, the names, and the brackets of the worked examples.

#include "engine/objecttable.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

struct TellingRow
{
    int row;
    std::int32_t grams;
    const char16_t *name;
};

// The rows the lookup examples rely on, at their row numbers.
const TellingRow tellingRows[] = {
    {0, 0, u"がんばれー"},
    {1, 0, u"ガンバレー"},
    {2, 1, u"一円玉硬貨"},
    {4, 4, u"鉛筆"},
    {24, 95, u"ゴライアスオオツノコガネ"},
    {29, 105, u"小麦粉１カップ"},
    {52, 198, u"世界最大の鶏卵"},
    {53, 200, u"１カップの水"},
    {113, 990, u"フェアリーペンギン"},
    {114, 1000, u"９．８ニュートン"},
    {120, 1010, u"ハリネズミ"},
    {130, 1200, u"ダチョウの卵"},
    {177, 2005, u"アイアイ"},
    {180, 2050, u"聖護院だいこん"},
    {253, 4950, u"クジャク"},
    {257, 5006, u"ヒゲペンギン"},
    {322, 9900, u"オオハクチョウ"},
    {324, 10000, u"十二単"},
    {325, 10050, u"タラバガニ（Ｍ）１０匹分"},
    {378, 20000, u"カーリングのストーン"},
    {441, 50000, u"鉄道のレール１メートル"},
    {491, 500000, u"フタコブラクダ"},
    {499, 5000000, u"アジアゾウ"},
};

std::int32_t gramsAt(int row)
{
    return WeightObjectTable[row].grams;
}

// The rows whose weight lies in [low, high], in row order.
std::vector<int> rowsInRange(std::int32_t low, std::int32_t high)
{
    std::vector<int> rows;
    for (int row = 0; row < WeightObjectCount; ++row) {
        if (gramsAt(row) >= low && gramsAt(row) <= high)
            rows.push_back(row);
    }
    return rows;
}

std::vector<int> rowSpan(int first, int last)
{
    std::vector<int> rows;
    for (int row = first; row <= last; ++row)
        rows.push_back(row);
    return rows;
}

// The lookup's bracket: the anchor row, the bracket bound and the range end. The candidates are
// the rows anchor to rangeEnd - 1.
struct Bracket
{
    int anchor;
    std::int32_t bound;
    int rangeEnd;
};

Bracket bracketFor(std::int32_t lostGrams)
{
    int i = 0;
    while (gramsAt(i) < lostGrams && i < WeightObjectCount - 2)
        ++i;
    const std::int32_t bound = (gramsAt(i) + 100) / 100 * 100;
    int j = i;
    while (gramsAt(j) < bound && j < WeightObjectCount - 1)
        ++j;
    return {i, bound, j};
}

} // namespace

TEST(ObjectTable, Has503Rows)
{
    EXPECT_EQ(WeightObjectCount, 503);
    EXPECT_EQ(WeightObjectTable.size(), 503u);
}

TEST(ObjectTable, TellingRowsStandAtTheirRowNumbers)
{
    for (const TellingRow &telling : tellingRows) {
        SCOPED_TRACE(telling.row);
        ASSERT_NE(WeightObjectTable[telling.row].objectName, nullptr);
        EXPECT_EQ(std::u16string(WeightObjectTable[telling.row].objectName),
                  std::u16string(telling.name));
        EXPECT_EQ(gramsAt(telling.row), telling.grams);
    }
}

TEST(ObjectTable, CheersComeFirstAndRowTwoIsTheLightestObject)
{
    EXPECT_EQ(gramsAt(0), 0);
    EXPECT_EQ(gramsAt(1), 0);
    EXPECT_EQ(gramsAt(2), 1);
    for (int row = 2; row < WeightObjectCount; ++row)
        EXPECT_GE(gramsAt(row), 1) << "row " << row;
}

TEST(ObjectTable, CountsAndPositionsPerWeightRange)
{
    // 25 rows below 100 g, 28 rows from 100 g to 199 g.
    EXPECT_EQ(rowsInRange(0, 99), rowSpan(0, 24));
    EXPECT_EQ(rowsInRange(100, 199), rowSpan(25, 52));
    EXPECT_EQ(gramsAt(25), 100);

    // Rows 114-122 from 1,000 g to 1,099 g, row 123 at 1,100 g, and the 1,030 g row after it.
    std::vector<int> aroundOneKilogram = rowSpan(114, 122);
    aroundOneKilogram.push_back(124);
    EXPECT_EQ(rowsInRange(1000, 1099), aroundOneKilogram);
    EXPECT_EQ(gramsAt(123), 1100);
    EXPECT_EQ(gramsAt(124), 1030);
    for (int row = 125; row <= 129; ++row) {
        EXPECT_GE(gramsAt(row), 1100) << "row " << row;
        EXPECT_LE(gramsAt(row), 1199) << "row " << row;
    }

    // Rows 175-180 are the only ones from 2,000 g to 2,099 g.
    EXPECT_EQ(rowsInRange(2000, 2099), rowSpan(175, 180));

    // Rows 324 and 325 are the only ones from 10,000 g to 10,099 g.
    EXPECT_EQ(rowsInRange(10000, 10099), rowSpan(324, 325));

    // 32 rows from 100 kg up, the last two the heaviest.
    EXPECT_EQ(rowsInRange(100000, INT32_MAX), rowSpan(471, 502));
    EXPECT_EQ(gramsAt(501), 56200000);
    EXPECT_EQ(gramsAt(502), 62600000);
    for (int row = 0; row < 501; ++row)
        EXPECT_LT(gramsAt(row), gramsAt(501)) << "row " << row;
}

TEST(ObjectTable, OrderedByGramsExceptTheTwoOutOfOrderRows)
{
    std::vector<int> descents;
    for (int row = 0; row + 1 < WeightObjectCount; ++row) {
        if (gramsAt(row) > gramsAt(row + 1))
            descents.push_back(row);
    }
    ASSERT_EQ(descents.size(), 2u);

    // A 1,030 g row directly after a 1,100 g row.
    EXPECT_EQ(descents[0], 123);
    EXPECT_EQ(gramsAt(123), 1100);
    EXPECT_EQ(gramsAt(124), 1030);

    // A 25,100 g row directly after a 25,500 g row.
    EXPECT_EQ(gramsAt(descents[1]), 25500);
    EXPECT_EQ(gramsAt(descents[1] + 1), 25100);
}

TEST(ObjectTable, NamesAreNonEmptyAndPairwiseDistinct)
{
    std::set<std::u16string> names;
    for (int row = 0; row < WeightObjectCount; ++row) {
        ASSERT_NE(WeightObjectTable[row].objectName, nullptr) << "row " << row;
        const std::u16string name(WeightObjectTable[row].objectName);
        EXPECT_FALSE(name.empty()) << "row " << row;
        EXPECT_TRUE(names.insert(name).second) << "row " << row << " repeats a name";
    }
    EXPECT_EQ(names.size(), 503u);
}

TEST(ObjectTable, WorkedExamplesGiveTheirBrackets)
{
    const Bracket loss100 = bracketFor(100);
    EXPECT_EQ(loss100.anchor, 25);
    EXPECT_EQ(loss100.bound, 200);
    EXPECT_EQ(loss100.rangeEnd, 53); // candidates 25 to 52

    const Bracket loss1000 = bracketFor(1000);
    EXPECT_EQ(loss1000.anchor, 114);
    EXPECT_EQ(loss1000.bound, 1100);
    EXPECT_EQ(loss1000.rangeEnd, 123); // candidates 114 to 122

    const Bracket loss2000 = bracketFor(2000);
    EXPECT_EQ(loss2000.anchor, 175);
    EXPECT_EQ(loss2000.bound, 2100);
    EXPECT_EQ(loss2000.rangeEnd, 181); // candidates 175 to 180

    const Bracket loss10000 = bracketFor(10000);
    EXPECT_EQ(loss10000.anchor, 324);
    EXPECT_EQ(loss10000.bound, 10100);
    EXPECT_EQ(loss10000.rangeEnd, 326); // candidates 324 and 325
}

TEST(ObjectTable, EdgeBracketsOfTheLookup)
{
    // No change: the cheers and every row below 100 g.
    const Bracket none = bracketFor(0);
    EXPECT_EQ(none.anchor, 0);
    EXPECT_EQ(none.bound, 100);
    EXPECT_EQ(none.rangeEnd, 25);

    // 1.1 kg: the 1,030 g row is reached from the 1,100 g anchor.
    const Bracket loss1100 = bracketFor(1100);
    EXPECT_EQ(loss1100.anchor, 123);
    EXPECT_EQ(loss1100.bound, 1200);
    EXPECT_EQ(loss1100.rangeEnd, 130);

    // Heavier than row 500: the anchor stops at row 501, which is the only candidate.
    const Bracket huge = bracketFor(gramsAt(500) + 1);
    EXPECT_EQ(huge.anchor, 501);
    EXPECT_EQ(huge.rangeEnd, 502);
    const Bracket heaviest = bracketFor(100000000);
    EXPECT_EQ(heaviest.anchor, 501);
    EXPECT_EQ(heaviest.rangeEnd, 502);
}
