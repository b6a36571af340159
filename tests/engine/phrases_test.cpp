// SPDX-License-Identifier: GPL-3.0-or-later
// The draw of the phrase of the day, entry 0 right after a new diet and never otherwise,
// with the draw made in either case.
#include "engine/phrases.h"
#include "scripteddraws.h"

#include <QString>
#include <gtest/gtest.h>
#include <set>

using namespace Qt::Literals::StringLiterals;

TEST(Phrases, EntryIsTheDrawTimes576PlusOne)
{
    std::int16_t flag = 1;
    EXPECT_EQ(phraseEntry(0.0, flag), 1);
    EXPECT_EQ(phraseEntry(0.5, flag), 289);
    EXPECT_EQ(phraseEntry(1.0 / 576, flag), 2);
    EXPECT_EQ(phraseEntry(std::nextafter(1.0, 0.0), flag), 576);
    EXPECT_EQ(flag, 1);
}

TEST(Phrases, NeverEntryZeroAtRandom)
{
    std::int16_t flag = 1;
    std::set<int> seen;
    for (int k = 0; k < 576 * 4; ++k) {
        const int entry = phraseEntry(k / (576.0 * 4), flag);
        EXPECT_GE(entry, 1);
        EXPECT_LE(entry, 576);
        seen.insert(entry);
    }
    EXPECT_EQ(seen.size(), 576u); // every entry from 1 to 576 can come up
}

TEST(Phrases, FlagZeroGivesEntryZeroOnceAndTheDrawIsStillMade)
{
    std::int16_t flag = 0;
    ScriptedDraws draws{0.5, 0.5, 0.0};
    const PhraseOfTheDay opening = phraseOfTheDay(flag, draws.function());
    EXPECT_EQ(opening.entry, 0);
    EXPECT_EQ(opening.text, u"さあ今日からダイエットです。がんばりましょう！"_s);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(draws.taken, 1u);

    const PhraseOfTheDay next = phraseOfTheDay(flag, draws.function());
    EXPECT_EQ(next.entry, 289);
    EXPECT_EQ(next.text, QString::fromUtf16(PhraseTable[289]));
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(draws.taken, 2u);

    const PhraseOfTheDay again = phraseOfTheDay(flag, draws.function());
    EXPECT_EQ(again.entry, 1);
    EXPECT_EQ(draws.taken, 3u);
}

TEST(Phrases, TheLastEntryIsReachable)
{
    std::int16_t flag = 1;
    ScriptedDraws draws{0.9999};
    const PhraseOfTheDay last = phraseOfTheDay(flag, draws.function());
    EXPECT_EQ(last.entry, 576);
    EXPECT_EQ(last.text, u"ﾈｶﾞｲｦｶﾅｴﾀﾏｴｰ~~＼(-ω- )三( -ω-)/~~ﾊﾞｻｯ"_s);
}

TEST(Phrases, SmallTablesAndWildDraws)
{
    const char16_t *const three[] = {u"始め", u"一", u"二"};
    std::int16_t flag = 1;
    ScriptedDraws draws{0.0, 0.7, 1.0, -1.0, std::numeric_limits<double>::quiet_NaN()};
    EXPECT_EQ(phraseOfTheDay(flag, draws.function(), three).text, u"一"_s);
    EXPECT_EQ(phraseOfTheDay(flag, draws.function(), three).text, u"二"_s);
    EXPECT_EQ(phraseOfTheDay(flag, draws.function(), three).entry, 2); // 1.0 held to the last
    EXPECT_EQ(phraseOfTheDay(flag, draws.function(), three).entry, 1);
    EXPECT_EQ(phraseOfTheDay(flag, draws.function(), three).entry, 1);
    flag = 0;
    EXPECT_EQ(phraseOfTheDay(flag, {}, three).text, u"始め"_s); // no generator at all
}
