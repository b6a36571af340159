// SPDX-License-Identifier: GPL-3.0-or-later
// The main-screen computation, its steps in order, the worked example, the target-line
// cases, and finite readable lines from state that breaks the refresh's precondition.
#include "engine/mainscreen.h"
#include "engine/objecttable.h"
#include "engine/phrasetable.h"
#include "scripteddraws.h"
#include "state/dateserial.h"
#include "state/state.h"
#include "support/tolmitest.h"

#include <QRegularExpression>
#include <QString>
#include <gtest/gtest.h>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDate Declared(2008, 10, 17);

std::array<bool, 12> stageOnePictures()
{
    return {false, false, false, false, false, false, true, true, true, true, true, true};
}

class MainScreen : public TolmiTest
{
protected:
    // The worked example: a diet of 80 kg towards 60 kg, three days in.
    void SetUp() override
    {
        TolmiTest::SetUp();
        startWeight() = 80.0;
        targetWeight() = 60.0;
        height() = 170.0;
        declarationDate() = serialFromDate(Declared);
        currentWeight = 78.0;
        latestDate = serialFromDate(QDate(2008, 10, 20));
        deadlineDays() = 0;
        levelMode() = Kitten;
        sex() = 0;
        showSign() = 1;
    }

    // A refresh on day `day` of the diet with enough draws for any path.
    MainScreenResult refreshOnDay(int day)
    {
        ScriptedDraws draws{0.0, 0.0, 0.0};
        return computeMainScreen(Declared.addDays(day), draws.function());
    }

    // Every line but the phrase (which comes from its table as written): something a person can
    // read, with no spelled-out special value and no exponent.
    static void expectReadable(const MainScreenResult &result)
    {
        for (const QString &line : {result.levelLine, result.currentLine, result.startLine,
                                    result.targetLine, result.changeLine}) {
            const QString lower = line.toLower();
            EXPECT_FALSE(lower.contains(u"nan"_s)) << utf8(line);
            EXPECT_FALSE(lower.contains(u"inf"_s)) << utf8(line);
            EXPECT_FALSE(lower.contains(u"e+"_s)) << utf8(line);
            EXPECT_FALSE(lower.contains(u"e-"_s)) << utf8(line);
        }
        EXPECT_FALSE(result.targetLine.isEmpty());
        EXPECT_FALSE(result.currentLine.isEmpty());
        EXPECT_FALSE(result.startLine.isEmpty());
        EXPECT_FALSE(result.changeLine.isEmpty());
        EXPECT_FALSE(result.phraseLine.isEmpty());
        int shown = 0;
        for (bool visible : result.pictureVisible)
            shown += visible;
        EXPECT_EQ(shown, 6);
        EXPECT_EQ(randomPhraseOn, 1);
    }
};

} // namespace

TEST_F(MainScreen, WorkedExample)
{
    ScriptedDraws draws{0.5, drawFor(2, 6)}; // the phrase, then the object among rows 175 to 180
    const MainScreenResult result = computeMainScreen(QDate(2008, 10, 20), draws.function());
    EXPECT_EQ(result.achievementRate, 10.0);
    EXPECT_EQ(result.levelIndex, 2);
    EXPECT_EQ(result.pictureStage, 1);
    EXPECT_EQ(result.pictureVisible, stageOnePictures()); // Image1(6) to Image1(11)
    EXPECT_EQ(utf8(result.levelLine), "アフリカゾウ");
    EXPECT_EQ(utf8(result.currentLine), "78.0 kg (08年10月20日) bmi27.0");
    EXPECT_EQ(utf8(result.startLine), "80.0 kg (08年10月17日) bmi27.7");
    EXPECT_EQ(utf8(result.targetLine), "60.0 kg (目標達成率 10.0 %)");
    EXPECT_EQ(result.phraseEntry, 289);
    EXPECT_EQ(result.phraseLine, QString::fromUtf16(PhraseTable[289]));
    EXPECT_EQ(utf8(result.changeLine), "-2.0 kg アイアイ");
    EXPECT_EQ(result.objectRow, 177);
    EXPECT_EQ(result.lostGrams, 2000);
    EXPECT_EQ(draws.taken, 2u);
    EXPECT_EQ(randomPhraseOn, 1);
}

TEST_F(MainScreen, WorkedExampleChangeLineIsAlwaysATwoKilogramObject)
{
    for (int k = 0; k < 6; ++k) {
        ScriptedDraws draws{0.25, drawFor(k, 6)};
        const MainScreenResult result = computeMainScreen(QDate(2008, 10, 20), draws.function());
        EXPECT_EQ(result.objectRow, 175 + k);
        EXPECT_TRUE(result.changeLine.startsWith(u"-2.0 kg "_s));
        EXPECT_EQ(result.changeLine,
                  u"-2.0 kg "_s + QString::fromUtf16(WeightObjectTable[175 + k].objectName));
    }
}

TEST_F(MainScreen, PhraseIsDrawnBeforeTheObject)
{
    // Were the order the other way round, the phrase would be entry 481 and the object row 175.
    ScriptedDraws draws{0.0, drawFor(5, 6)};
    const MainScreenResult result = computeMainScreen(QDate(2008, 10, 20), draws.function());
    EXPECT_EQ(result.phraseEntry, 1);
    EXPECT_EQ(utf8(result.changeLine), "-2.0 kg 聖護院だいこん");
}

TEST_F(MainScreen, OpeningPhraseRightAfterANewDietAndNeverOtherwise)
{
    randomPhraseOn = 0;
    ScriptedDraws draws{0.5, 0.0, 0.5, 0.0};
    const MainScreenResult first = computeMainScreen(QDate(2008, 10, 20), draws.function());
    EXPECT_EQ(first.phraseEntry, 0);
    EXPECT_EQ(utf8(first.phraseLine), "さあ今日からダイエットです。がんばりましょう！");
    EXPECT_EQ(draws.taken, 2u); // the phrase draw was made all the same, then the object's
    EXPECT_EQ(first.objectRow, 175);
    EXPECT_EQ(randomPhraseOn, 1);

    const MainScreenResult second = computeMainScreen(QDate(2008, 10, 20), draws.function());
    EXPECT_EQ(second.phraseEntry, 289);
    EXPECT_EQ(randomPhraseOn, 1);

    for (int k = 0; k < 100; ++k) {
        ScriptedDraws more{k / 100.0, 0.5};
        const MainScreenResult next = computeMainScreen(QDate(2008, 10, 20), more.function());
        EXPECT_NE(next.phraseEntry, 0);
        EXPECT_NE(next.phraseLine, QString::fromUtf16(PhraseTable[0]));
    }
}

TEST_F(MainScreen, AFlagOtherThanZeroDrawsAndIsLeftAtOne)
{
    randomPhraseOn = 7;
    ScriptedDraws draws{0.0, 0.0};
    EXPECT_EQ(computeMainScreen(QDate(2008, 10, 20), draws.function()).phraseEntry, 1);
    EXPECT_EQ(randomPhraseOn, 1);
}

TEST_F(MainScreen, OnlyTheStartEntry)
{
    currentWeight = 80.0;
    latestDate = declarationDate();
    ScriptedDraws draws{0.5, drawFor(3, 25), 0.9};
    const MainScreenResult result = computeMainScreen(Declared, draws.function());
    EXPECT_EQ(result.achievementRate, 0.0);
    EXPECT_EQ(utf8(result.targetLine), "60.0 kg (目標達成率 0.0 %)");
    EXPECT_EQ(utf8(result.levelLine), "シロナガスクジラ");
    EXPECT_EQ(result.pictureVisible, stageOnePictures());
    EXPECT_EQ(utf8(result.currentLine), "80.0 kg (08年10月17日) bmi27.7");
    EXPECT_EQ(utf8(result.changeLine), "0.0 kg ガンバレー"); // no sign although showSign is 1
    EXPECT_EQ(draws.taken, 3u);                              // phrase, pick and cheer override
}

TEST_F(MainScreen, RateAboveTheStartAndBelowTheTarget)
{
    currentWeight = 81.0;
    MainScreenResult result = refreshOnDay(3);
    EXPECT_EQ(utf8(result.targetLine), "60.0 kg (目標達成率 -5.0 %)");
    EXPECT_EQ(result.levelIndex, 0);
    EXPECT_EQ(result.pictureStage, 1);
    EXPECT_EQ(utf8(result.changeLine), "+1.0 kg がんばれー");

    currentWeight = 58.0;
    result = refreshOnDay(3);
    EXPECT_EQ(utf8(result.targetLine), "60.0 kg (目標達成率 110.0 %)");
    EXPECT_EQ(utf8(result.levelLine), "子猫");
    EXPECT_EQ(result.pictureStage, 7);
    const std::array<bool, 12> allBright = {true,  true,  true,  true,  true,  true,
                                            false, false, false, false, false, false};
    EXPECT_EQ(result.pictureVisible, allBright);
}

TEST_F(MainScreen, RateOfExactlyFiftyIsLevelTenAndStageThree)
{
    currentWeight = 70.0;
    levelMode() = Puppy;
    const MainScreenResult result = refreshOnDay(3);
    EXPECT_EQ(result.achievementRate, 50.0);
    EXPECT_EQ(utf8(result.levelLine), "トラ");
    EXPECT_EQ(result.pictureStage, 3);
}

TEST_F(MainScreen, TargetLineCountsTheDaysLeftInFullWidth)
{
    deadlineDays() = 30;
    currentWeight = 70.0;
    EXPECT_EQ(utf8(refreshOnDay(12).targetLine), "60.0 kg (期限まであと１８日)");
    EXPECT_EQ(utf8(refreshOnDay(0).targetLine), "60.0 kg (期限まであと３０日)");
    EXPECT_EQ(utf8(refreshOnDay(29).targetLine), "60.0 kg (期限まであと１日)");
    EXPECT_EQ(utf8(refreshOnDay(20).targetLine), "60.0 kg (期限まであと１０日)");
}

TEST_F(MainScreen, TargetLineOnTheLastDay)
{
    deadlineDays() = 30;
    currentWeight = 60.1;
    EXPECT_EQ(utf8(refreshOnDay(30).targetLine), "60.0 kg (本日が目標の期限です！)");
}

TEST_F(MainScreen, TargetLinePastTheDeadlineHasAFullWidthMinus)
{
    deadlineDays() = 30;
    currentWeight = 70.0;
    const QString line = refreshOnDay(31).targetLine;
    EXPECT_EQ(utf8(line), "60.0 kg (期限まであと－１日)");
    EXPECT_TRUE(line.contains(QChar(0xFF0D)));
    EXPECT_FALSE(line.contains(u"期限まであと-"_s));
    EXPECT_EQ(utf8(refreshOnDay(45).targetLine), "60.0 kg (期限まであと－１５日)");
}

TEST_F(MainScreen, TargetLineWhenTheTargetIsReachedWithinTheDeadline)
{
    deadlineDays() = 30;
    currentWeight = 60.0; // equal to the target
    for (int day : {0, 12, 30, 31, 400, -5})
        EXPECT_EQ(utf8(refreshOnDay(day).targetLine), "60.0 kg (期限内の目標達成です！)") << day;
    currentWeight = 59.2;
    EXPECT_EQ(utf8(refreshOnDay(30).targetLine), "60.0 kg (期限内の目標達成です！)");
}

TEST_F(MainScreen, TargetLineWithoutADeadlineIgnoresTheDays)
{
    deadlineDays() = 0;
    currentWeight = 70.0;
    EXPECT_EQ(utf8(refreshOnDay(400).targetLine), "60.0 kg (目標達成率 50.0 %)");
}

TEST_F(MainScreen, ElapsedDaysRoundHalvesToEven)
{
    deadlineDays() = 30;
    currentWeight = 70.0;
    declarationDate() = serialFromDate(Declared) + 0.5; // a declaration at noon
    EXPECT_EQ(utf8(refreshOnDay(12).targetLine), "60.0 kg (期限まであと１８日)"); // 11.5 -> 12
    EXPECT_EQ(utf8(refreshOnDay(13).targetLine), "60.0 kg (期限まであと１８日)"); // 12.5 -> 12
    EXPECT_EQ(utf8(refreshOnDay(14).targetLine), "60.0 kg (期限まであと１６日)"); // 13.5 -> 14
    declarationDate() = serialFromDate(Declared) + 0.25;
    EXPECT_EQ(utf8(refreshOnDay(13).targetLine), "60.0 kg (期限まであと１７日)"); // 12.75 -> 13
}

TEST_F(MainScreen, ChangeLineWithoutTheSignOption)
{
    showSign() = 0;
    ScriptedDraws draws{0.5, drawFor(2, 6)};
    EXPECT_EQ(utf8(computeMainScreen(QDate(2008, 10, 20), draws.function()).changeLine),
              "2.0 kg アイアイ");
    currentWeight = 81.5;
    ScriptedDraws gain{0.5, 0.5};
    EXPECT_EQ(utf8(computeMainScreen(QDate(2008, 10, 20), gain.function()).changeLine),
              "-1.5 kg がんばれー");
    showSign() = 1;
    EXPECT_EQ(utf8(computeMainScreen(QDate(2008, 10, 20), gain.function()).changeLine),
              "+1.5 kg がんばれー");
}

TEST_F(MainScreen, EveryModeNamesTheLevel)
{
    currentWeight = 60.0; // 100 %
    const char *finals[] = {"子猫",
                            "子犬",
                            "神",
                            "ゼロ",
                            "めでたしめでたし",
                            "めでたしめでたし",
                            "お姉さんはアリスにやさしくキスをしたのでした"};
    for (int mode = 0; mode < LevelModeCount; ++mode) {
        levelMode() = mode;
        EXPECT_EQ(utf8(refreshOnDay(3).levelLine), finals[mode]) << mode;
    }
    levelMode() = Soldier;
    sex() = 1;
    EXPECT_EQ(utf8(refreshOnDay(3).levelLine), "女神");
}

// State that breaks the precondition, as only a hand-edited data file can give it.

TEST_F(MainScreen, UnknownModeOrSexLeavesTheLevelLineEmptyButThePicturesFollow)
{
    currentWeight = 70.0;
    levelMode() = 7;
    MainScreenResult result = refreshOnDay(3);
    EXPECT_TRUE(result.levelLine.isEmpty());
    EXPECT_EQ(result.pictureStage, 3);
    expectReadable(result);

    levelMode() = Soldier;
    sex() = 2;
    result = refreshOnDay(3);
    EXPECT_TRUE(result.levelLine.isEmpty());
    EXPECT_EQ(result.pictureStage, 3);
}

TEST_F(MainScreen, StartWeightEqualToTheTargetGivesARateOfZero)
{
    targetWeight() = 80.0;
    for (double current : {78.0, 80.0, 82.0}) {
        currentWeight = current;
        const MainScreenResult result = refreshOnDay(3);
        EXPECT_EQ(result.achievementRate, 0.0) << current;
        EXPECT_EQ(utf8(result.targetLine), "80.0 kg (目標達成率 0.0 %)");
        EXPECT_EQ(utf8(result.levelLine), "シロナガスクジラ");
        EXPECT_EQ(result.pictureStage, 1);
        expectReadable(result);
    }
}

TEST_F(MainScreen, StartWeightBelowTheTargetStillGivesFiniteLines)
{
    startWeight() = 60.0;
    targetWeight() = 80.0;
    currentWeight = 70.0;
    MainScreenResult result = refreshOnDay(3);
    EXPECT_EQ(utf8(result.targetLine), "80.0 kg (目標達成率 50.0 %)");
    expectReadable(result);
    deadlineDays() = 30;
    result = refreshOnDay(3);
    EXPECT_EQ(utf8(result.targetLine), "80.0 kg (期限内の目標達成です！)");
    expectReadable(result);
}

TEST_F(MainScreen, NoHeightShowsNoBmi)
{
    for (double tall : {0.0, -170.0, std::numeric_limits<double>::quiet_NaN(), 1e-300}) {
        height() = tall;
        const MainScreenResult result = refreshOnDay(3);
        EXPECT_EQ(utf8(result.startLine), "80.0 kg (08年10月17日) bmi--.-") << tall;
        EXPECT_EQ(utf8(result.currentLine), "78.0 kg (08年10月20日) bmi--.-") << tall;
        expectReadable(result);
    }
}

TEST_F(MainScreen, DeclarationCenturiesAwayHoldsTheDayCountToItsRange)
{
    deadlineDays() = 30;
    declarationDate() = serialFromDate(QDate(1700, 1, 1));
    MainScreenResult result = refreshOnDay(3);
    EXPECT_EQ(utf8(result.targetLine), "60.0 kg (期限まであと－３２７３７日)"); // 30 - 32767
    EXPECT_EQ(utf8(result.startLine), "80.0 kg (00年01月01日) bmi27.7");
    expectReadable(result);

    declarationDate() = serialFromDate(QDate(2500, 1, 1));
    result = refreshOnDay(3);
    EXPECT_EQ(utf8(result.targetLine), "60.0 kg (期限まであと３２７９８日)"); // 30 + 32768
    expectReadable(result);

    const QRegularExpression date(u"\\(\\d\\d年\\d\\d月\\d\\d日\\)"_s);
    for (double serial : {1e300, -1e300, std::numeric_limits<double>::quiet_NaN()}) {
        declarationDate() = serial;
        latestDate = serial;
        result = refreshOnDay(3);
        EXPECT_TRUE(date.match(result.startLine).hasMatch()) << utf8(result.startLine);
        EXPECT_TRUE(date.match(result.currentLine).hasMatch()) << utf8(result.currentLine);
        expectReadable(result);
    }
}

TEST_F(MainScreen, ExtremeDeadlinesDoNotOverflowTheDaysLeft)
{
    currentWeight = 70.0;
    deadlineDays() = std::numeric_limits<std::int32_t>::max();
    declarationDate() = serialFromDate(QDate(2500, 1, 1)); // elapsed days held at -32768
    MainScreenResult result = refreshOnDay(3);
    EXPECT_EQ(utf8(result.targetLine), "60.0 kg (期限まであと２１４７４８３６４７日)");
    deadlineDays() = std::numeric_limits<std::int32_t>::min();
    declarationDate() = serialFromDate(QDate(1700, 1, 1)); // elapsed days held at 32767
    result = refreshOnDay(3);
    EXPECT_EQ(utf8(result.targetLine), "60.0 kg (期限まであと－２１４７４８３６４８日)");
    expectReadable(result);
}

TEST_F(MainScreen, HugeWeightsGiveLongButReadableLines)
{
    startWeight() = 1e300;
    targetWeight() = 0;
    currentWeight = 0;
    MainScreenResult result = refreshOnDay(3);
    EXPECT_EQ(result.achievementRate, 100.0);
    EXPECT_EQ(result.levelIndex, 22);
    EXPECT_EQ(result.lostGrams, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(result.objectRow, 501);
    EXPECT_TRUE(result.startLine.startsWith(u"1000000000"_s));
    expectReadable(result);

    startWeight() = std::numeric_limits<double>::max();
    targetWeight() = -std::numeric_limits<double>::max();
    currentWeight = -std::numeric_limits<double>::max();
    result = refreshOnDay(3);
    EXPECT_EQ(result.achievementRate, 0.0); // (inf - inf) / inf is no rate
    expectReadable(result);
}

TEST_F(MainScreen, WeightsThatAreNotNumbersReadAsZero)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    startWeight() = nan;
    targetWeight() = std::numeric_limits<double>::infinity();
    currentWeight = nan;
    height() = nan;
    deadlineDays() = 30;
    const MainScreenResult result = refreshOnDay(3);
    EXPECT_EQ(utf8(result.startLine), "0.0 kg (08年10月17日) bmi--.-");
    EXPECT_EQ(utf8(result.targetLine), "0.0 kg (期限内の目標達成です！)");
    EXPECT_EQ(utf8(result.changeLine).substr(0, 7), "0.0 kg ");
    expectReadable(result);
}

TEST_F(MainScreen, WildDrawsStayInsideTheTables)
{
    for (double r : {1.0, -0.5, 7.0, std::numeric_limits<double>::quiet_NaN()}) {
        ScriptedDraws draws{r, r, r};
        const MainScreenResult result = computeMainScreen(QDate(2008, 10, 20), draws.function());
        EXPECT_GE(result.phraseEntry, 1);
        EXPECT_LE(result.phraseEntry, 576);
        EXPECT_GE(result.objectRow, 175);
        EXPECT_LE(result.objectRow, 180);
        expectReadable(result);
    }
}
