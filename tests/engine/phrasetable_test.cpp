// SPDX-License-Identifier: GPL-3.0-or-later
// Invariants of the phrase-of-the-day table: the fixed entries and the split between plain
// sentences and emoticon cheers. Whether each entry fits the phrase line is measured on the main
// screen itself.
#include "engine/phrasetable.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace {

constexpr int FirstCheer = 538;

// Characters that only occur in the emoticons of the cheers.
constexpr std::u16string_view FaceParts = u"()（）＼／^＾ω∀дД´｀゜";
// Every cheer carries at least one of these brackets, arms or hands.
constexpr std::u16string_view CheerMarks = u"()（）＼／ヽノﾉ^＾";

std::u16string entry(int index)
{
    const char16_t *text = PhraseTable[index];
    return text ? std::u16string(text) : std::u16string();
}

std::string utf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

static_assert(PhraseCount == 577);

TEST(PhraseTable, EveryEntryIsSetNonEmptyAndUnique)
{
    std::map<std::u16string, int> seen;
    for (int i = 0; i < PhraseCount; ++i) {
        // A missing initializer leaves a null pointer at the end of the table.
        ASSERT_NE(PhraseTable[i], nullptr) << "entry " << i;
        const std::u16string text = entry(i);
        EXPECT_FALSE(text.empty()) << "entry " << i;
        if (!text.empty()) {
            EXPECT_NE(text.front(), u' ') << "entry " << i;
            EXPECT_NE(text.back(), u' ') << "entry " << i;
            EXPECT_NE(text.front(), u'　') << "entry " << i;
            EXPECT_NE(text.back(), u'　') << "entry " << i;
        }
        const auto [it, inserted] = seen.emplace(text, i);
        EXPECT_TRUE(inserted) << "entry " << i << " repeats entry " << it->second << ": "
                              << utf8(text);
    }
}

TEST(PhraseTable, ListedEntriesStandAtTheirNumbers)
{
    const std::pair<int, std::u16string_view> listed[] = {
        {0, u"さあ今日からダイエットです。がんばりましょう！"},
        {1, u"周りの人も巻き込んでみんなで楽しくダイエット！"},
        {2, u"１グラムを笑う人は１グラムに泣くのです"},
        {3, u"やすむもダイエット"},
        {13, u"腹八分目に医者はいらない"},
        {23, u"食べるとき最低20回は噛みましょう"},
        {100, u"３キロ痩せれば気持ちが変わりますよ"},
        {250, u"今日も地球は回っている"},
        {524, u"石の上にも三年"},
        {537, u"おいしい水の甘さをじっくりと味わいましょう"},
        {538, u"ダイエットするぞ！(*￣0￣)/"},
        {554, u"＼（＞０＜）／　がんばれーっ"},
        {561, u"ガン(　゜д゜)バレ"},
        {576, u"ﾈｶﾞｲｦｶﾅｴﾀﾏｴｰ~~＼(-ω- )三( -ω-)/~~ﾊﾞｻｯ"},
    };
    for (const auto &[index, text] : listed)
        EXPECT_EQ(entry(index), text) << "entry " << index;
}

TEST(PhraseTable, TheProgramIsNamedAmongThePlainSentences)
{
    const std::u16string_view naming[] = {
        u"体重管理はトルミ式にまかせて貴方は先へ行け",
        u"トルミ式は遊び心を大切にするソフトです",
    };
    for (std::u16string_view text : naming) {
        int found = -1;
        for (int i = 0; i < PhraseCount && found < 0; ++i)
            if (entry(i) == text)
                found = i;
        EXPECT_GE(found, 1) << utf8(text);
        EXPECT_LT(found, FirstCheer) << utf8(text);
    }
}

TEST(PhraseTable, PlainSentencesComeFirstAndCheersWithEmoticonsLast)
{
    for (int i = 0; i < FirstCheer; ++i)
        EXPECT_EQ(entry(i).find_first_of(FaceParts), std::u16string::npos)
            << "entry " << i << ": " << utf8(entry(i));
    for (int i = FirstCheer; i < PhraseCount; ++i)
        EXPECT_NE(entry(i).find_first_of(CheerMarks), std::u16string::npos)
            << "entry " << i << ": " << utf8(entry(i));
}
