// SPDX-License-Identifier: GPL-3.0-or-later
// The first-run pages: page 1's checks, what the pages keep, the start of the diet and every way
// of leaving without starting.

#include "platform/twips.h"
#include "screens/launch.h"
#include "screens/main/form1.h"
#include "screens/navigator.h"
#include "screens/settings/form2.h"
#include "screens/wizard/form10.h"
#include "screens/wizard/form5.h"
#include "screens/wizard/form6.h"
#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/state.h"
#include "state/weightlog.h"
#include "support/tolmitest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString currentWeightMessage = u"有効範囲内にある半角数字を現在の体重に入力してください"_s;
const QString targetWeightMessage = u"有効範囲内にある半角数字を目標の体重に入力してください"_s;
const QString targetNotBelowMessage = u"目標体重は現在の体重より小さく設定してください"_s;
const QString heightMessage = u"有効範囲内にある半角数字を身長に入力してください"_s;

QStringList visibleWindows()
{
    QStringList names;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            names << window->objectName();
    }
    return names;
}

// Types as the keyboard would; characters beyond ASCII arrive as an input method delivers them.
void type(QLineEdit *box, const QString &text)
{
    box->clear();
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(box, c.toLatin1());
        else
            box->insert(QString(c));
    }
}

struct BodyData
{
    QString current;
    QString target;
    QString height;
};

class WizardTest : public TolmiTest
{
protected:
    void start()
    {
        startProgram();
        afterStartUp = {readData(u"yourdata.csv"_s), readData(u"customdata.csv"_s)};
    }

    // A second run in the same directory, as after the program ended.
    void startAgain()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            window->close();
        unloadAllScreens();
        resetState();
        start();
    }

    void expectFilesAsStartUpLeftThem() const
    {
        EXPECT_EQ(readData(u"yourdata.csv"_s), afterStartUp.first);
        EXPECT_EQ(readData(u"customdata.csv"_s), afterStartUp.second);
    }

    Form5 *fillPage1(const BodyData &data)
    {
        Form5 *page1 = visibleScreen<Form5>();
        if (!page1) {
            ADD_FAILURE() << "page 1 is not shown";
            return nullptr;
        }
        type(page1->Text1, data.current);
        type(page1->Text2, data.target);
        type(page1->Text3, data.height);
        return page1;
    }

    Form10 *passPage1(const BodyData &data = {u"80"_s, u"70"_s, u"170"_s})
    {
        if (Form5 *page1 = fillPage1(data))
            QTest::mouseClick(page1->Command1, Qt::LeftButton);
        return visibleScreen<Form10>();
    }

    Form6 *reachPage3(const BodyData &data = {u"80"_s, u"70"_s, u"170"_s})
    {
        if (Form10 *page2 = passPage1(data))
            QTest::mouseClick(page2->Command1, Qt::LeftButton);
        return visibleScreen<Form6>();
    }

    std::pair<QByteArray, QByteArray> afterStartUp;
};

TEST_F(WizardTest, FirstStartShowsOnlyPageOneWithEmptyBoxesOfFiveCharacters)
{
    start();
    EXPECT_EQ(visibleWindows(), QStringList{u"Form5"_s});
    EXPECT_FALSE(form1Loaded());
    EXPECT_FALSE(form2Loaded());
    Form5 *page1 = visibleScreen<Form5>();
    ASSERT_TRUE(page1);
    const std::pair<QLineEdit *, QString> boxes[] = {{page1->Text1, u"現在の体重"_s},
                                                     {page1->Text2, u"目標の体重"_s},
                                                     {page1->Text3, u"身長"_s}};
    for (const auto &[box, caption] : boxes) {
        EXPECT_EQ(accessibleName(box), caption);
        EXPECT_EQ(box->inputMethodHints(), Qt::ImhPreferNumbers); // numbers, the method left on
        EXPECT_TRUE(box->text().isEmpty());
        QTest::keyClicks(box, u"145.85"_s);
        EXPECT_EQ(box->text(), u"145.8"_s);
    }
    EXPECT_TRUE(page1->Option2->isChecked());
}

TEST_F(WizardTest, SecondInstanceIsRefusedBeforeThePageIsShown)
{
    fake.instanceCheck.answer = InstanceCheck::AnotherCopyRunning;
    start();
    EXPECT_EQ(fake.takeMessages(), QStringList{u"プログラムは既に起動されています。"_s});
    EXPECT_EQ(fake.terminations, 1);
}

TEST_F(WizardTest, PageOneRefusesEachBadValueWithItsMessageInOrder)
{
    start();
    struct Case
    {
        BodyData data;
        QString message;
    };
    const Case cases[] = {
        {{u"0.5"_s, u"0.4"_s, u"170"_s}, targetWeightMessage},
        {{u"70"_s, u"70"_s, u"170"_s}, targetNotBelowMessage},
        {{u"70"_s, u"75"_s, u"170"_s}, targetNotBelowMessage},
        {{u"999.1"_s, u"70"_s, u"170"_s}, currentWeightMessage},
        {{u"0.4"_s, u"0.3"_s, u"170"_s}, currentWeightMessage},
        {{u"80"_s, u"999.5"_s, u"170"_s}, targetWeightMessage},
        {{u"80"_s, u"70"_s, u"49.9"_s}, heightMessage},
        {{u"80"_s, u"70"_s, u"1000"_s}, heightMessage},
        {{u"abc"_s, u"70"_s, u"170"_s}, currentWeightMessage},
        {{QString(), u"70"_s, u"170"_s}, currentWeightMessage},
        {{u"   "_s, u"70"_s, u"170"_s}, currentWeightMessage},
        {{u"８０ｋｇ"_s, u"70"_s, u"170"_s}, currentWeightMessage},
        {{u"８０"_s, u"８０．０"_s, u"170"_s}, targetNotBelowMessage},
        {{u"1e309"_s, u"70"_s, u"170"_s}, currentWeightMessage},
        {{u"80"_s, u"NaN"_s, u"170"_s}, targetWeightMessage},
        {{u"80"_s, u"70"_s, u"inf"_s}, heightMessage},
        {{u"80"_s, u"70"_s, u"1.7.0"_s}, heightMessage},
        {{u"8 0"_s, u"70"_s, u"170"_s}, currentWeightMessage},
        // The first failing check speaks.
        {{u"abc"_s, u"xyz"_s, u"1"_s}, currentWeightMessage},
        {{u"80"_s, u"90"_s, u"1"_s}, targetNotBelowMessage},
    };
    const auto longsBefore = LongSlots;
    const auto realsBefore = RealSlots;
    const auto datesBefore = DateSlots;
    for (const Case &c : cases) {
        SCOPED_TRACE(utf8(c.data.current + u'|' + c.data.target + u'|' + c.data.height));
        Form5 *page1 = fillPage1(c.data);
        ASSERT_TRUE(page1);
        QTest::mouseClick(page1->Command1, Qt::LeftButton);
        EXPECT_EQ(fake.takeMessages(), QStringList{c.message});
        EXPECT_EQ(visibleWindows(), QStringList{u"Form5"_s});
        EXPECT_EQ(page1->Text1->text(), c.data.current);
        EXPECT_EQ(page1->Text2->text(), c.data.target);
        EXPECT_EQ(page1->Text3->text(), c.data.height);
        EXPECT_EQ(LongSlots, longsBefore);
        EXPECT_EQ(RealSlots, realsBefore);
        EXPECT_EQ(DateSlots, datesBefore);
    }
    expectFilesAsStartUpLeftThem();
}

TEST_F(WizardTest, PageOneAcceptsTheBoundsAndKeepsTheValuesAsTyped)
{
    struct Case
    {
        BodyData typed;
        double current, target, height;
    };
    const Case cases[] = {
        {{u"999"_s, u"998.9"_s, u"50"_s}, 999, 998.9, 50},
        {{u"0.6"_s, u"0.5"_s, u"999.9"_s}, 0.6, 0.5, 999.9},
        {{u"65.56"_s, u" 60 "_s, u"170.5"_s}, 65.56, 60, 170.5},
        {{u"８５．０"_s, u"　７０"_s, u"１７０"_s}, 85, 70, 170}, // typed with the input method on
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(utf8(c.typed.current + u'|' + c.typed.target + u'|' + c.typed.height));
        startAgain();
        EXPECT_TRUE(passPage1(c.typed));
        EXPECT_EQ(visibleWindows(), QStringList{u"Form10"_s});
        EXPECT_EQ(startWeight(), c.current);
        EXPECT_EQ(targetWeight(), c.target);
        EXPECT_EQ(height(), c.height);
    }
}

TEST_F(WizardTest, DeclarationKeepsTheTimeOfDayAndPageOnesPosition)
{
    start();
    Form5 *page1 = visibleScreen<Form5>();
    ASSERT_TRUE(page1);
    moveWindowToTwips(page1, 1500, 3000);
    fake.now = QDateTime(QDate(2008, 10, 17), QTime(21, 30, 15));
    Form10 *page2 = passPage1();
    ASSERT_TRUE(page2);
    EXPECT_EQ(declarationDate(), serialFromDateTime(fake.now));
    EXPECT_EQ(dateTimeFromSerial(declarationDate()), fake.now);
    EXPECT_EQ(windowTop(), 1500);
    EXPECT_EQ(windowLeft(), 3000);
    EXPECT_EQ(windowTopInTwips(page2), 1500);
    EXPECT_EQ(windowLeftInTwips(page2), 3000);

    QTest::mouseClick(page2->Command1, Qt::LeftButton);
    Form6 *page3 = visibleScreen<Form6>();
    ASSERT_TRUE(page3);
    EXPECT_EQ(windowTopInTwips(page3), 1500);
    EXPECT_EQ(windowLeftInTwips(page3), 3000);
    EXPECT_TRUE(dietSummaryText().startsWith(u"ダイエット開始日： "_s + u"2008/10/17\r\n"_s));
}

TEST_F(WizardTest, SummaryShowsTheChoicesInItsFourParagraphs)
{
    start();
    Form5 *page1 = fillPage1({u"80"_s, u"0.5"_s, u"99.95"_s});
    ASSERT_TRUE(page1);
    QTest::mouseClick(page1->Option1, Qt::LeftButton);
    QTest::mouseClick(page1->Command1, Qt::LeftButton);
    Form10 *page2 = visibleScreen<Form10>();
    ASSERT_TRUE(page2);
    QTest::mouseClick(page2->Option4, Qt::LeftButton);
    QTest::mouseClick(page2->Command1, Qt::LeftButton);
    Form6 *page3 = visibleScreen<Form6>();
    ASSERT_TRUE(page3);

    EXPECT_EQ(sex(), 0);
    EXPECT_EQ(levelMode(), 3);
    const QString expected = u"ダイエット開始日： "_s + u"2008/10/20\r\n\r\n"_s +
                             u"現在の体重： "_s + u"80.0 kg\r\n\r\n"_s + u"目標の体重"_s +
                             u"： "_s + u".5 kg\r\n\r\n"_s + u"身長： "_s + u"100.0 cm"_s +
                             u"　　性別： "_s + u"男性"_s;
    EXPECT_EQ(utf8(dietSummaryText()), utf8(expected));
    EXPECT_EQ(utf8(page3->Text1->toPlainText()),
              utf8(QString(expected).replace(u"\r\n"_s, u"\n"_s)));
    EXPECT_EQ(height(), 99.95);
}

TEST_F(WizardTest, StartDeclaresTheDietInBothFilesAndOpensTheMainScreen)
{
    // A template customised by an earlier installation.
    resetTemplateToDefaults();
    ASSERT_TRUE(saveTemplateFile(nullptr));
    const QByteArray defaultTemplate = readData(u"customdata.csv"_s);
    levelTitle() = u"Lv"_s;
    ASSERT_TRUE(saveTemplateFile(nullptr));
    ASSERT_NE(readData(u"customdata.csv"_s), defaultTemplate);
    resetState();

    start();
    Form5 *page1 = visibleScreen<Form5>();
    ASSERT_TRUE(page1);
    moveWindowToTwips(page1, 1500, 3000);
    Form6 *page3 = reachPage3({u"65.56"_s, u"60"_s, u"170"_s});
    ASSERT_TRUE(page3);
    expectFilesAsStartUpLeftThem();
    EXPECT_TRUE(dietSummaryText().contains(u"現在の体重： "_s + u"65.6 kg"_s));
    EXPECT_TRUE(dietSummaryText().endsWith(u"女性"_s)); // no option touched
    EXPECT_EQ(levelMode(), 0);

    QTest::mouseClick(page3->Command1, Qt::LeftButton);

    const QList<QByteArray> lines = readData(u"yourdata.csv"_s).split('\n');
    ASSERT_EQ(lines.size(), 11); // ten lines, each ending in CR LF
    EXPECT_EQ(lines[0], "1,65.56\r");
    EXPECT_EQ(lines[1], "1,60\r");
    EXPECT_TRUE(lines[3].startsWith("0,")); // level mode 0
    EXPECT_EQ(lines[9], "#2008-10-20 12:00:00#,65.56\r");
    EXPECT_EQ(lines[10], "");
    EXPECT_EQ(readData(u"customdata.csv"_s), defaultTemplate);

    EXPECT_EQ(visibleWindows(), QStringList{u"Form1"_s});
    EXPECT_EQ(windowTopInTwips(&form1()), 1500);
    EXPECT_EQ(windowLeftInTwips(&form1()), 3000);
    ASSERT_TRUE(form2Loaded());
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(weightLog().entryCount(), 1);
    // The day of the declaration shows no progress, whatever decimals the start weight was typed
    // with (the table's row shows 65.6).
    EXPECT_EQ(currentWeight, 65.56);
    EXPECT_EQ(utf8(form1().Label1[3]->text()), utf8(u"60.0 kg (目標達成率 0.0 %)"_s));
    EXPECT_TRUE(form1().Label1[11]->text().startsWith(u"0.0 kg "_s))
        << utf8(form1().Label1[11]->text());
    EXPECT_EQ(latestDate, serialFromDate(QDate(2008, 10, 20)));
}

TEST_F(WizardTest, StartGreetsTheNewDieterWithTheOpeningPhrase)
{
    start();
    Form6 *page3 = reachPage3();
    ASSERT_TRUE(page3);
    QTest::mouseClick(page3->Command1, Qt::LeftButton);
    ASSERT_TRUE(form1().isVisible());
    EXPECT_EQ(utf8(form1().Label1[4]->text()),
              utf8(u"さあ今日からダイエットです。がんばりましょう！"_s));
    EXPECT_EQ(randomPhraseOn, 1); // later refreshes draw at random
}

TEST_F(WizardTest, FailedWriteIsReportedAndTheDietIsNotStarted)
{
    start();
    Form6 *page3 = reachPage3();
    ASSERT_TRUE(page3);
    // Something that cannot be replaced by a file stands where yourdata.csv belongs.
    QFile::remove(dataPath(u"yourdata.csv"_s));
    ASSERT_TRUE(QDir().mkdir(dataPath(u"yourdata.csv"_s)));

    QTest::mouseClick(page3->Command1, Qt::LeftButton);

    const QStringList messages = fake.takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(u"ダイエットを始められませんでした"_s)) << utf8(messages[0]);
    EXPECT_EQ(visibleWindows(), QStringList{u"Form6"_s});
    EXPECT_FALSE(form1Loaded());
    EXPECT_EQ(readData(u"customdata.csv"_s), afterStartUp.second);
}

TEST_F(WizardTest, EveryWayOutBeforeTheStartEndsWithNothingWritten)
{
    const std::pair<const char *, std::function<void()>> waysOut[] = {
        {"page 1 closed", [] { visibleScreen<Form5>()->close(); }},
        {"page 2 closed", [this] { passPage1()->close(); }},
        {"page 3 closed", [this] { reachPage3()->close(); }},
        {"Command2", [this] { QTest::mouseClick(reachPage3()->Command2, Qt::LeftButton); }},
        {"Command3", [this] { QTest::mouseClick(reachPage3()->Command3, Qt::LeftButton); }},
    };
    for (const auto &[name, leave] : waysOut) {
        SCOPED_TRACE(name);
        startAgain();
        leave();
        EXPECT_TRUE(visibleWindows().isEmpty()) << utf8(visibleWindows().join(u','));
        EXPECT_FALSE(form1Loaded());
        expectFilesAsStartUpLeftThem();
    }
    // The next start asks again, with empty boxes.
    startAgain();
    ASSERT_TRUE(visibleScreen<Form5>());
    EXPECT_TRUE(visibleScreen<Form5>()->Text1->text().isEmpty());
}

} // namespace
