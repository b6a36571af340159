// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/levels.h"
#include "screens/main/helptext.h"
#include "state/state.h"

#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList helpLines()
{
    return helpText().split(u"\r\n"_s);
}

bool isChapterHeading(const QString &line)
{
    static const QRegularExpression heading(u"^（[１-９]）\\S.* ★★$"_s);
    return heading.match(line).hasMatch();
}

TEST(HelpText, HasTheNineChaptersInOrderThreeEmptyLinesApart)
{
    const QString text = helpText();
    EXPECT_FALSE(text.contains(QRegularExpression(u"\r(?!\n)|(?<!\r)\n"_s))) << "a lone CR or LF";

    const QStringList lines = helpLines();
    QStringList headings;
    for (int i = 0; i < lines.size(); ++i) {
        if (!isChapterHeading(lines[i]))
            continue;
        headings << lines[i];
        if (i == 0)
            continue;
        ASSERT_GE(i, 4);
        EXPECT_TRUE(lines[i - 1].isEmpty() && lines[i - 2].isEmpty() && lines[i - 3].isEmpty() &&
                    !lines[i - 4].isEmpty())
            << "before " << lines[i].toStdString();
    }
    ASSERT_EQ(headings.size(), 9);
    EXPECT_EQ(lines.first(), headings.first());
    const QStringList expected = {
        u"（１）基本的な使い方 ★★"_s,       u"（２）ルール ★★"_s,
        u"（３）入力方法と設定の変更 ★★"_s, u"（４）メイン画面 ★★"_s,
        u"（５）ＢＭＩ値について ★★"_s,     u"（６）モード別レベル一覧 ★★"_s,
        u"（７）アンインストール ★★"_s,     u"（８）免責事項／謝辞 ★★"_s,
    };
    EXPECT_EQ(headings.mid(0, 8), expected);
    EXPECT_TRUE(headings[8].startsWith(u"（９）"_s));
    // The product information names the built version and the licence, each on a line of its own.
    const QStringList product = lines.mid(lines.indexOf(headings[8]));
    EXPECT_TRUE(product.contains(u"バージョン　"_s + QStringLiteral(TOLMI_VERSION)));
    EXPECT_TRUE(
        product.contains(u"ライセンス　GNU 一般公衆利用許諾書 第3版以降（GPL-3.0-or-later）"_s));

    // No run of three empty lines inside a chapter, so the chapters are told apart by them alone.
    int emptyRun = 0;
    for (int i = 0; i + 1 < lines.size(); ++i) {
        emptyRun = lines[i].isEmpty() ? emptyRun + 1 : 0;
        if (emptyRun == 3) {
            EXPECT_TRUE(isChapterHeading(lines[i + 1]) || lines[i + 1] == u"//"_s)
                << "three empty lines before " << lines[i + 1].toStdString();
        }
    }
}

TEST(HelpText, EndsWithTheFourClosingLines)
{
    const QString text = helpText();
    const QString closing =
        u"//\r\n// ウインドウ右上のＸボタンを\r\n// 押すとヘルプが終了します\r\n//\r\n"_s;
    ASSERT_TRUE(text.endsWith(closing));
    const QString before = text.chopped(closing.size());
    EXPECT_TRUE(before.endsWith(u"\r\n\r\n\r\n\r\n"_s) &&
                !before.endsWith(u"\r\n\r\n\r\n\r\n\r\n"_s));
}

TEST(HelpText, QuotesTheRulesAndTheBmiBandsWhole)
{
    const QStringList lines = helpLines();
    for (const QString &line :
         {u"体重入力は一日一回まで。"_s, u"数日に一回の入力でもＯＫ。"_s,
          u"体重計に乗ったら必ず入力。"_s, u"体重÷(身長Ｘ身長)で求められます。"_s,
          u"18.5未満 やせ"_s, u"18.5～25未満 標準"_s, u"25～30未満 肥満"_s, u"30以上 高度肥満"_s,
          u"他にもシークレットモードがあるかも・・・"_s})
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
    // Sub-headings, cases and continuation lines keep their marks.
    for (const QString &line : lines) {
        if (line.startsWith(u"/"_s) && line != u"//"_s) {
            EXPECT_TRUE(line.startsWith(u"// "_s)) << line.toStdString();
        }
        if (line.startsWith(u">"_s)) {
            EXPECT_TRUE(line.startsWith(u">> "_s)) << line.toStdString();
        }
        if (line.startsWith(u"　"_s)) {
            EXPECT_TRUE(line.startsWith(u"　　"_s)) << line.toStdString();
        }
    }
}

// The names listed under a sub-heading of the level chapter, in the order they are listed.
QStringList listedLevels(const QStringList &lines, const QString &subHeading)
{
    static const QRegularExpression entry(u"^ ?\\d{1,2}\\. (.*)$"_s);
    QStringList names;
    qsizetype i = lines.indexOf(subHeading);
    if (i < 0)
        return names;
    while (++i < lines.size()) {
        const QRegularExpressionMatch match = entry.match(lines[i]);
        if (!match.hasMatch())
            break;
        names << match.captured(1);
    }
    return names;
}

TEST(HelpText, ListsTheLevelsOfEachModeFromTheNameTables)
{
    struct Mode
    {
        QString subHeading;
        int levelMode;
        int sex;
    };
    const Mode modes[] = {{u"// 子猫モード（コネコ）"_s, Kitten, 0},
                          {u"// 子犬モード（コイヌ）"_s, Puppy, 0},
                          {u"// ソルジャーモード（男性）"_s, Soldier, 0},
                          {u"// ソルジャーモード（女性）"_s, Soldier, 1},
                          {u"// コスモＲモード"_s, CosmoR, 0}};
    const QStringList lines = helpLines();
    for (const Mode &mode : modes) {
        const LevelNameTable *table = levelNameTable(mode.levelMode, mode.sex);
        ASSERT_NE(table, nullptr);
        QStringList expected;
        for (const char16_t *name : *table)
            expected << QString::fromUtf16(name);
        EXPECT_EQ(listedLevels(lines, mode.subHeading), expected) << mode.subHeading.toStdString();
    }
    // The story modes are announced, never listed.
    const QString text = helpText();
    for (const int story : {Cinderella, Momotaro, Alice})
        EXPECT_FALSE(text.contains(QString::fromUtf16((*levelNameTable(story, 0))[1])));
    // ... and named only among the secret modes of the level chapter, never in the settings one.
    const qsizetype levelChapter = text.indexOf(u"（６）モード別レベル一覧"_s);
    for (const QString &story : {u"シンデレラ"_s, u"桃太郎"_s})
        EXPECT_GT(text.indexOf(story), levelChapter) << story.toStdString();
}

} // namespace
