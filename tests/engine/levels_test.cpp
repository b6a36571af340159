// SPDX-License-Identifier: GPL-3.0-or-later
// The level index and picture stage at their edges, the visible pictures of each stage,
// and the name tables checked against the names as written.
#include "engine/levels.h"

#include <QString>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

struct NameCheck
{
    const char *table;
    int levelMode;
    int sex;
    QString names[4]; // levels 0, 10, 21 and 22, copied from the name tables as written
};

// clang-format off
const NameCheck NameChecks[] = {
    {"kitten", 0, 0, {u"シロナガスクジラ"_s, u"ライオン"_s, u"プレーリードッグ"_s, u"子猫"_s}},
    {"puppy", 1, 0, {u"シロナガスクジラ"_s, u"トラ"_s, u"プードル"_s, u"子犬"_s}},
    {"soldierMale", 2, 0, {u"２等兵"_s, u"大尉"_s, u"王様"_s, u"神"_s}},
    {"soldierFemale", 2, 1, {u"２等兵"_s, u"大尉"_s, u"女王様"_s, u"女神"_s}},
    {"cosmoR", 3, 0, {u"コスモ"_s, u"市"_s, u"素粒子"_s, u"ゼロ"_s}},
    {"cinderella", 4, 0, {u"シンデレラは継母の姉達にいじめられていました "_s, u"シンデレラは王子に見初められました"_s, u"シンデレラはその後幸せに暮らしたそうです"_s, u"めでたしめでたし"_s}},
    {"momotaro", 5, 0, {u"むかーしむかーしあるところに"_s, u"その頃人々は鬼ヶ島の鬼に苦しめられていました"_s, u"桃太郎と両親は幸せに暮らしたそうです"_s, u"めでたしめでたし"_s}},
    {"alice", 6, 0, {u"アリスはお姉さんと一緒にピクニック"_s, u"アリスの涙で立ち往生した動物たちと出会いました"_s, u"お姉さん！私とてもおもしろい夢をみてたの！"_s, u"お姉さんはアリスにやさしくキスをしたのでした"_s}},
};
// clang-format on

} // namespace

TEST(Levels, ThresholdsAreProductsOfTheLevelStep)
{
    EXPECT_EQ(levelStep, 100.0 / 22);
    EXPECT_EQ(11 * levelStep, 50.00000000000001); // so a rate of exactly 50 stays below level 11
}

TEST(Levels, LevelIndexAtItsEdges)
{
    EXPECT_EQ(levelIndex(0), 0);
    EXPECT_EQ(levelIndex(-5), 0);
    EXPECT_EQ(levelIndex(-1e9), 0);
    EXPECT_EQ(levelIndex(std::nextafter(levelStep, 0.0)), 0);
    EXPECT_EQ(levelIndex(100.0 / 22), 1);       // level 1 on equality
    EXPECT_EQ(levelIndex(2 * (100.0 / 22)), 1); // level 2 only above its threshold
    EXPECT_EQ(levelIndex(std::nextafter(2 * levelStep, 100.0)), 2);
    EXPECT_EQ(levelIndex(10.0), 2); // the worked example
    EXPECT_EQ(levelIndex(50), 10);
    EXPECT_EQ(levelIndex(11 * levelStep), 10);
    EXPECT_EQ(levelIndex(std::nextafter(11 * levelStep, 100.0)), 11);
    EXPECT_EQ(levelIndex(21 * levelStep), 20);
    EXPECT_EQ(levelIndex(99.9), 21);
    EXPECT_EQ(levelIndex(std::nextafter(100.0, 0.0)), 21);
    EXPECT_EQ(levelIndex(100), 22);
    EXPECT_EQ(levelIndex(130), 22);
    EXPECT_EQ(levelIndex(1e300), 22);
    EXPECT_EQ(levelIndex(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Levels, EveryLevelIsReachedInOrder)
{
    int previous = 0;
    for (int tenth = -100; tenth <= 1100; ++tenth) {
        const int level = levelIndex(tenth / 10.0);
        EXPECT_GE(level, previous) << tenth;
        EXPECT_LE(level, previous + 1) << tenth;
        previous = level;
    }
    EXPECT_EQ(previous, 22);
}

TEST(Levels, PictureStageAtItsEdges)
{
    EXPECT_EQ(pictureStage(-3), 1);
    EXPECT_EQ(pictureStage(0), 1);
    EXPECT_EQ(pictureStage(std::nextafter(pictureStep, 0.0)), 1);
    EXPECT_EQ(pictureStage(100.0 / 6), 2);
    EXPECT_EQ(pictureStage(2 * (100.0 / 6)), 2);
    EXPECT_EQ(pictureStage(std::nextafter(2 * pictureStep, 100.0)), 3);
    EXPECT_EQ(pictureStage(50), 3);
    EXPECT_EQ(pictureStage(std::nextafter(3 * pictureStep, 100.0)), 4);
    EXPECT_EQ(pictureStage(4 * pictureStep), 4);
    EXPECT_EQ(pictureStage(5 * pictureStep), 5);
    EXPECT_EQ(pictureStage(std::nextafter(5 * pictureStep, 100.0)), 6);
    EXPECT_EQ(pictureStage(99.9), 6);
    EXPECT_EQ(pictureStage(100), 7);
    EXPECT_EQ(pictureStage(130), 7);
    EXPECT_EQ(pictureStage(std::numeric_limits<double>::quiet_NaN()), 1);
}

TEST(Levels, EachStageShowsOnePictureInEachPlace)
{
    // The visible Image1 elements of each stage.
    const std::array<std::array<bool, 12>, 7> expected = {{
        {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1},
        {1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1},
        {1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1},
        {1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1},
        {1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1},
        {1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1},
        {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0},
    }};
    for (int stage = 1; stage <= 7; ++stage) {
        const std::array<bool, 12> visible = visiblePictures(stage);
        EXPECT_EQ(visible, expected[stage - 1]) << "stage " << stage;
        for (int place = 0; place < 6; ++place)
            EXPECT_NE(visible[place], visible[place + 6]) << "stage " << stage;
    }
    EXPECT_EQ(visiblePictures(0), expected[0]);
    EXPECT_EQ(visiblePictures(9), expected[6]);
}

TEST(Levels, NameTablesAtLevelsZeroTenTwentyOneAndTwentyTwo)
{
    const int levels[4] = {0, 10, 21, 22};
    for (const NameCheck &check : NameChecks) {
        const LevelNameTable *table = levelNameTable(check.levelMode, check.sex);
        ASSERT_NE(table, nullptr) << check.table;
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(QString::fromUtf16((*table)[levels[k]]), check.names[k])
                << check.table << " level " << levels[k];
        }
        // The same names through the rates of those levels.
        EXPECT_EQ(levelName(0, check.levelMode, check.sex), check.names[0]) << check.table;
        EXPECT_EQ(levelName(50, check.levelMode, check.sex), check.names[1]) << check.table;
        EXPECT_EQ(levelName(99.9, check.levelMode, check.sex), check.names[2]) << check.table;
        EXPECT_EQ(levelName(100, check.levelMode, check.sex), check.names[3]) << check.table;
        EXPECT_EQ(levelName(130, check.levelMode, check.sex), check.names[3]) << check.table;
        EXPECT_EQ(levelName(-20, check.levelMode, check.sex), check.names[0]) << check.table;
    }
}

TEST(Levels, EveryTableHasTwentyThreeDistinctNonEmptyNames)
{
    const LevelNameTable *tables[] = {
        levelNameTable(0, 0), levelNameTable(1, 0), levelNameTable(2, 0), levelNameTable(2, 1),
        levelNameTable(3, 0), levelNameTable(4, 0), levelNameTable(5, 0), levelNameTable(6, 0)};
    for (const LevelNameTable *table : tables) {
        ASSERT_NE(table, nullptr);
        for (int i = 0; i < 23; ++i) {
            const QString name = QString::fromUtf16((*table)[i]);
            EXPECT_FALSE(name.trimmed().isEmpty()) << i;
            for (int k = 0; k < i; ++k)
                EXPECT_NE(name, QString::fromUtf16((*table)[k])) << i << " " << k;
        }
    }
}

TEST(Levels, TwoCinderellaLinesEndInAHalfWidthBlank)
{
    const LevelNameTable &cinderella = *levelNameTable(4, 0);
    for (int i = 0; i < 23; ++i) {
        const QString name = QString::fromUtf16(cinderella[i]);
        EXPECT_EQ(name.endsWith(u' '), i == 0 || i == 19) << i;
    }
    EXPECT_EQ(QString::fromUtf16(cinderella[19]), u"靴はシンデレラにピッタリ合いました！ "_s);
}

TEST(Levels, SoldierNamesFollowTheSex)
{
    EXPECT_EQ(levelName(99.9, 2, 0), u"王様"_s);
    EXPECT_EQ(levelName(99.9, 2, 1), u"女王様"_s);
    EXPECT_EQ(levelName(100, 2, 0), u"神"_s);
    EXPECT_EQ(levelName(100, 2, 1), u"女神"_s);
    // The sex plays no part in the other modes.
    EXPECT_EQ(levelName(100, 0, 1), u"子猫"_s);
    EXPECT_EQ(levelName(100, 0, 2), u"子猫"_s);
    EXPECT_EQ(levelName(100, 1, 7), u"子犬"_s);
}

TEST(Levels, NoTableGivesAnEmptyName)
{
    EXPECT_EQ(levelNameTable(7, 0), nullptr);
    EXPECT_EQ(levelNameTable(-1, 0), nullptr);
    EXPECT_EQ(levelNameTable(2, 2), nullptr);
    EXPECT_EQ(levelNameTable(2, -1), nullptr);
    EXPECT_TRUE(levelName(50, 7, 0).isEmpty());
    EXPECT_TRUE(levelName(50, 2, 2).isEmpty());
    EXPECT_TRUE(levelName(50, std::numeric_limits<int>::min(), 0).isEmpty());
}
