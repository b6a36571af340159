// SPDX-License-Identifier: GPL-3.0-or-later
// The settings fields of the settings screen: the finish checks, the colour pickers, the changes
// that count, and the screens it leads to.

#include "form2_test.h"
#include "platform/twips.h"
#include "screens/main/form1.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QLabel>
#include <QToolTip>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString dateMessage = u"有効範囲内にある半角数字を宣言日に入れてください"_s;
const QString lockMessage = u"期限を設定している時は宣言日を変更できません"_s;
const QString startMessage = u"有効範囲内にある半角数字を開始体重に入れてください"_s;
const QString targetMessage = u"有効範囲内にある半角数字を目標体重に入れてください"_s;
const QString belowMessage = u"目標体重は開始体重より小さく設定してください"_s;
const QString heightMessage = u"有効範囲内にある半角数字を身長に入れてください"_s;
const QString daysMessage = u"有効範囲内にある半角数字を期限に入れてください"_s;
const QString weekMessage =
    u"今日から7日以上先に期限を設定してください。期限は宣言日から数えての日数になります｡"_s;

} // namespace

class Form2SettingsTest : public Form2Test
{
protected:
    // Opens the screen of a diet declared on 12 September 2008 (start 80, target 60, height 170).
    void openDiet(int deadlineDays = 0, int sex = 0)
    {
        StoredDiet diet;
        diet.deadlineDays = deadlineDays;
        diet.sex = sex;
        open(diet, {"#2008-10-01#,78", "#2008-09-12#,80"});
        moveWindowToTwips(&form2(), 1500, 3000);
    }
    void tickDeadline(const QString &days)
    {
        if (!control<QCheckBox>("Check1")->isChecked())
            clickControl("Check1");
        type("Text8", days);
    }
    // Presses the finish button and gives the message it showed, empty when the screen was left.
    QString finish()
    {
        press("Command6");
        const QStringList messages = fake.takeMessages();
        EXPECT_LE(messages.size(), 1);
        EXPECT_EQ(form2().isVisible(), !messages.isEmpty()) << "a refusal keeps the screen open";
        if (!messages.isEmpty())
            return messages.front();
        form2().show(); // as the main screen's input button would
        return {};
    }
};

TEST_F(Form2SettingsTest, FinishingUntouchedReturnsToTheMainScreenInPlace)
{
    openDiet();
    EXPECT_EQ(finish(), QString());
    QWidget *main = visibleScreen(u"Form1"_s);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(windowTopInTwips(main), 1500);
    EXPECT_EQ(windowLeftInTwips(main), 3000);
    EXPECT_EQ(visibleScreen(u"Form7"_s), nullptr);
}

TEST_F(Form2SettingsTest, FinishingAfterAChangeOpensTheUnsavedChangesDialogInPlace)
{
    openDiet();
    type("Text7", u"www.example.com"_s);
    press("Command6");
    QWidget *dialog = visibleScreen(u"Form7"_s);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(windowTopInTwips(dialog), 1500);
    EXPECT_EQ(windowLeftInTwips(dialog), 3000);
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(visibleScreen(u"Form1"_s), nullptr);
}

TEST_F(Form2SettingsTest, FinishChecksHoldTheirBoundsAndOrder)
{
    openDiet();
    const struct
    {
        const char *box;
        QString typed;
        QString message; // empty: the check passes
    } cases[] = {
        {"Text3", u"20081340"_s, dateMessage}, {"Text3", u"2008091"_s, dateMessage},
        {"Text3", u"abc"_s, dateMessage},      {"Text3", QString(), dateMessage},
        {"Text3", u"90000102"_s, dateMessage}, {"Text3", u"２００８０９３１"_s, dateMessage},
        {"Text3", u"20090101"_s, QString()},   {"Text4", u"0.4"_s, startMessage},
        {"Text4", u"abc"_s, startMessage},     {"Text4", u"1000"_s, startMessage},
        {"Text4", u"1e309"_s, startMessage},   {"Text4", u"0x10"_s, startMessage},
        {"Text4", u"６５．０"_s, QString()},   {"Text4", u"-0"_s, startMessage},
        {"Text4", u"0.5"_s, belowMessage},     {"Text4", u"60"_s, belowMessage},
        {"Text4", u"60.1"_s, QString()},       {"Text4", u" 80 "_s, QString()},
        {"Text5", u"0.4"_s, targetMessage},    {"Text5", u"1000"_s, targetMessage},
        {"Text5", u".5"_s, QString()},         {"Text5", u"79.9"_s, QString()},
        {"Text5", u"80"_s, belowMessage},      {"Text6", u"49.9"_s, heightMessage},
        {"Text6", u"1000"_s, heightMessage},   {"Text6", QString(), heightMessage},
        {"Text6", u"50"_s, QString()},         {"Text6", u"999.9"_s, QString()},
        {"Text6", u"65."_s, QString()},        {"Text6", u"1000000"_s, heightMessage},
    };
    for (const auto &c : cases) {
        const QString kept = text(c.box);
        type(c.box, c.typed);
        EXPECT_EQ(finish(), c.message) << c.box << " " << utf8(c.typed);
        type(c.box, kept);
    }
    // Only the first failure is told.
    type("Text4", u"abc"_s);
    type("Text6", u"abc"_s);
    EXPECT_EQ(finish(), startMessage);
}

TEST_F(Form2SettingsTest, ANewDeadlineMustLieAWeekAhead)
{
    fake.now = QDateTime(QDate(2008, 9, 20), QTime(9, 0)); // 8 days after the declaration
    openDiet();
    tickDeadline(u"14"_s);
    EXPECT_EQ(finish(), weekMessage);
    tickDeadline(u"14.5"_s); // a half goes to the even 14
    EXPECT_EQ(finish(), weekMessage);
    tickDeadline(u"9001"_s);
    EXPECT_EQ(finish(), daysMessage);
    tickDeadline(u"abc"_s);
    EXPECT_EQ(finish(), daysMessage);
    tickDeadline(u"１４"_s); // full-width, read as 14
    EXPECT_EQ(finish(), weekMessage);
    tickDeadline(u"15"_s);
    EXPECT_EQ(finish(), QString());
}

// Declared at 21:05:09 eight calendar days ago, the week ahead still starts at day 15.
TEST_F(Form2SettingsTest, TheWeekAheadCountsCalendarDaysWhateverTheTimeOfTheDeclaration)
{
    fake.now = QDateTime(QDate(2008, 9, 20), QTime(9, 0));
    StoredDiet diet;
    diet.declared = "#2008-09-12 21:05:09#";
    open(diet, {"#2008-10-01#,78", "#2008-09-12#,80"});
    tickDeadline(u"14"_s);
    EXPECT_EQ(finish(), weekMessage);
    tickDeadline(u"15"_s);
    EXPECT_EQ(finish(), QString());
}

TEST_F(Form2SettingsTest, AnUnchangedDeadlineIsNotExaminedAgain)
{
    fake.now = QDateTime(QDate(2008, 10, 8), QTime(9, 0)); // 26 days after the declaration
    openDiet(30);
    EXPECT_EQ(finish(), QString());
    tickDeadline(u"31"_s);
    EXPECT_EQ(finish(), weekMessage);
    tickDeadline(u"33"_s);
    EXPECT_EQ(finish(), QString());
}

TEST_F(Form2SettingsTest, AnUntickedDeadlineBoxIsNotExamined)
{
    openDiet(30);
    type("Text8", u"abc"_s);
    clickControl("Check1");
    EXPECT_FALSE(box("Text8")->isEnabled());
    EXPECT_EQ(finish(), QString());
    clickControl("Check1");
    EXPECT_TRUE(box("Text8")->isEnabled());
    EXPECT_EQ(finish(), daysMessage);
}

TEST_F(Form2SettingsTest, TheDeclarationDateIsLockedWhileADeadlineIsTicked)
{
    openDiet(30);
    type("Text3", u"20080913"_s);
    EXPECT_EQ(finish(), lockMessage);
    type("Text3", u"20081340"_s);
    EXPECT_EQ(finish(), dateMessage) << "the date itself is checked first";
    type("Text3", u"20080913"_s);
    clickControl("Check1");
    EXPECT_EQ(finish(), QString());
}

TEST_F(Form2SettingsTest, TheLockComparesDaysNotTheTimeOfDeclaring)
{
    StoredDiet diet;
    diet.declared = "#2008-09-12 21:05:09#"; // as the first-run wizard stores it
    diet.deadlineDays = 60;
    open(diet, {"#2008-09-12#,80"});
    EXPECT_EQ(finish(), QString());
}

TEST_F(Form2SettingsTest, ChangesCountOnlyWhenTheyAreChanges)
{
    openDiet(0, 1);
    clickControl("Option2"); // the stored sex again
    clickRow(1);
    press("Command1");
    type("Text2", u"70"_s); // the log's edit boxes are not settings
    auto *combo = control<QComboBox>("Combo1");
    combo->lineEdit()->setFocus();
    QTest::keyClicks(combo->lineEdit(), "x");
    EXPECT_EQ(settingsDirty, 0);

    clickControl("Option1");
    EXPECT_EQ(settingsDirty, 1);
    clickControl("Option2");
    EXPECT_EQ(settingsDirty, 1) << "going back to the stored sex is still a change";

    settingsDirty = 0;
    combo->setCurrentIndex(0);
    combo->showPopup();
    QAbstractItemView *list = combo->view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    EXPECT_EQ(settingsDirty, 1) << "choosing the entry already shown";

    for (const char *name : {"Text3", "Text4", "Text5", "Text6", "Text7", "Text8"}) {
        settingsDirty = 0;
        box(name)->setText(u"1"_s);
        EXPECT_EQ(settingsDirty, 1) << name;
    }
    settingsDirty = 0;
    clickControl("Check1");
    EXPECT_EQ(settingsDirty, 1);
}

TEST_F(Form2SettingsTest, SexStoredAsAnyOtherValueShowsFemale)
{
    openDiet(0, 2);
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
    clickControl("Option1");
    EXPECT_EQ(settingsDirty, 1);
}

TEST_F(Form2SettingsTest, ColourPicksStartOnTheLastPickAndACancelChangesNothing)
{
    openDiet();
    auto *sample = control<QLabel>("Label7");
    fake.colourPicks = {std::nullopt, 0x0000FF, 0x00FF00};
    press("Command7");
    EXPECT_EQ(textColour(), 15724527);
    EXPECT_EQ(sample->palette().color(QPalette::WindowText), QColor(239, 239, 239));
    EXPECT_EQ(settingsDirty, 0);

    press("Command7");
    EXPECT_EQ(textColour(), 0x0000FF);
    EXPECT_EQ(sample->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(settingsDirty, 1);

    press("Command8");
    EXPECT_EQ(backColour(), 0x00FF00);
    EXPECT_EQ(sample->palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_EQ(textColour(), 0x0000FF);
    EXPECT_EQ(fake.colourInitials, (std::vector<std::int32_t>{0, 0, 0x0000FF}));
}

// Typed, a character the file cannot hold goes nowhere; pasted, the rest goes in and the box says
// why something was left out. Control characters and the stand-ins of odd bytes count among them.
TEST_F(Form2SettingsTest, TheWebAddressRefusesWhatTheFileCannotHold)
{
    openDiet();
    box("Text7")->clear();
    QApplication::clipboard()->setText(u"x\"y\tz\u200F"_s + QChar(0) + u"!"_s);
    QTest::keyClick(box("Text7"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text("Text7"), u"xyz!"_s);
    EXPECT_TRUE(QToolTip::text().contains(u"保存できない文字"_s)) << utf8(QToolTip::text());
    type("Text7", u"a\"b☃c😀d"_s);
    for (const QChar c : u"\u0001\u0085\uF805\u200F"_s)
        QTest::sendKeyEvent(QTest::Click, box("Text7"), Qt::Key_unknown, QString(c), {});
    EXPECT_EQ(text("Text7"), u"abcd"_s);
    QApplication::clipboard()->setText(u"ドメイン.jp"_s);
    QTest::keyClick(box("Text7"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text("Text7"), u"abcdドメイン.jp"_s);
}

TEST_F(Form2SettingsTest, HelpAndCopyCustomisationTakeTheScreensPlace)
{
    openDiet();
    pressKey(&form2(), Qt::Key_F1); // as ヘルプ
    QWidget *help = visibleScreen(u"Form4"_s);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(windowTopInTwips(help), 1500);
    EXPECT_EQ(windowLeftInTwips(help), 3000);
    EXPECT_EQ(helpReturnTo, 2);
    EXPECT_FALSE(form2().isVisible());
    help->close();

    form2().show();
    press("Command9");
    QWidget *copy = visibleScreen(u"Form11"_s);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(windowTopInTwips(copy), 1500);
    EXPECT_EQ(windowLeftInTwips(copy), 3000);
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(settingsDirty, 0);
}
