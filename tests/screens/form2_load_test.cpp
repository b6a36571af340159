// SPDX-License-Identifier: GPL-3.0-or-later
// Filling the settings screen from yourdata.csv, and what it does with a log it cannot read whole.

#include "form2_test.h"
#include "screens/settings/settingsstore.h"
#include "state/dateserial.h"
#include "state/state.h"

#include <QDir>
#include <QFile>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

class Form2LoadTest : public Form2Test
{
protected:
    // The files kept beside yourdata.csv.
    QStringList keptFiles() const
    {
        return QDir(dataPath(QString())).entryList({u"yourdata.csv.unreadable-*"_s}, QDir::Files);
    }
};

TEST_F(Form2LoadTest, FillsTheFieldsFromTheSettings)
{
    StoredDiet diet;
    diet.sex = 1;
    diet.startWeight = "95";
    diet.targetWeight = "70.25";
    diet.height = ".5";
    diet.levelMode = 5;
    diet.textColour = 0x0000FF;
    diet.backColour = 0x00FF00;
    diet.declared = "#2008-11-13 21:05:09#";
    diet.deadlineDays = 120;
    open(diet, {"#2008-11-13#,95"});

    // Each box shows its field; the caption beside it names it for screen readers.
    const std::tuple<const char *, QString, QString> boxes[] = {
        {"Text3", u"20081113"_s, u"宣言日 ymd"_s},    {"Text4", u"95.0"_s, u"開始体重 kg"_s},
        {"Text5", u"70.3"_s, u"目標体重 kg"_s},       {"Text6", u".5"_s, u"身長 cm"_s},
        {"Text7", u"www.example.jp"_s, u"http://"_s}, {"Text8", u"120"_s, u"期限を設ける"_s},
    };
    for (const auto &[name, shown, caption] : boxes) {
        EXPECT_EQ(text(name), shown);
        EXPECT_EQ(accessibleName(box(name)), caption);
    }
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(box("Text8")->isEnabled());
    EXPECT_EQ(control<QComboBox>("Combo1")->currentText(), u" 桃太郎"_s);
    const QPalette sample = control<QLabel>("Label7")->palette();
    EXPECT_EQ(sample.color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(sample.color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_EQ(form2().windowTitle(), u" 設定画面 - zunoko - すべて半角で記入してください"_s);
    EXPECT_FALSE(form2().windowFlags() & Qt::WindowCloseButtonHint);
}

// A hand-edited file may hold more than the boxes let the user type, and bytes that do not
// decode: an open and a save change nothing of it.
TEST_F(Form2LoadTest, ValuesLongerThanTheirBoxesAndOddBytesSurviveASave)
{
    StoredDiet diet;
    diet.webAddress = QByteArray(350, 'a') + "\x85\x40";
    diet.deadlineDays = 32767;
    diet.startWeight = "12345.5";
    const QByteArray file = diet.bytes({"#2008-09-12#,12345.5"});
    open(diet, {"#2008-09-12#,12345.5"});
    EXPECT_EQ(text("Text8"), u"32767"_s);
    EXPECT_EQ(text("Text4"), u"12345.5"_s);
    EXPECT_EQ(text("Text7"), QString(350, u'a') + u"〓〓"_s);
    copySettingsIntoSlots(form2().fields(), 1500, 3000);
    ASSERT_TRUE(saveYourData());
    EXPECT_EQ(readData(u"yourdata.csv"_s).toHex(), file.toHex());

    type("Text8", u"123456"_s);
    EXPECT_EQ(text("Text8"), u"12345"_s) << "typing stops at the longer of the limit and the text";
}

TEST_F(Form2LoadTest, WithoutADeadlineTheDaysBoxKeepsItsTextDisabled)
{
    StoredDiet diet;
    diet.levelMode = 9; // outside the list, as only a hand-edited file can hold
    open(diet, {"#2008-09-12#,80"});
    EXPECT_FALSE(control<QCheckBox>("Check1")->isChecked());
    EXPECT_FALSE(box("Text8")->isEnabled());
    EXPECT_EQ(text("Text8"), u"365"_s);
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(control<QComboBox>("Combo1")->currentText(), QString());
}

TEST_F(Form2LoadTest, AReloadBringsBackTheSavedStateAndCountsAsAChange)
{
    open(StoredDiet{}, {"#2008-10-01#,78", "#2008-09-12#,80"});
    clickRow(1);
    press("Command3");
    type("Text5", u"55"_s);
    control<QComboBox>("Combo1")->lineEdit()->setText(u"typed"_s);
    fake.colourPicks.push_back(0x123456);
    press("Command7");
    settingsDirty = 0;

    form2().LoadSettingsScreen();
    EXPECT_EQ(rows(), (QStringList{u"20081001 78.0"_s, u"20080912 80.0"_s}));
    EXPECT_EQ(text("Text5"), u"60.0"_s);
    EXPECT_EQ(text("Text1"), u"西暦年月日"_s);
    EXPECT_EQ(control<QComboBox>("Combo1")->currentText(), u" コネコ"_s);
    EXPECT_EQ(textColour(), 15724527);
    EXPECT_EQ(settingsDirty, 1) << "the programmatic change of Text5 is a change";
}

// A NUL in one weight and a line cut short cost those two lines alone: the newest weighing is
// still the newest, the declaration entry still the last, and the next save writes every entry
// that could be read.
TEST_F(Form2LoadTest, ADamagedLineCostsThatLineAloneAndTheFileIsKept)
{
    StoredDiet diet;
    const QByteArray damaged = diet.bytes({"#2008-10-05#,76", QByteArray("#2008-10-03#,7\08", 15),
                                           "#2008-09-2", "#2008-10-01#,78", "#2008-09-12#,80"});
    open(diet, {"#2008-09-12#,80"});
    writeData(u"yourdata.csv"_s, damaged);
    form2().LoadSettingsScreen();

    const QStringList messages = fake.takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(u"読めない行が 2 行"_s)) << utf8(messages[0]);
    EXPECT_TRUE(messages[0].contains(u"11, 12 行目"_s)) << utf8(messages[0]);
    EXPECT_EQ(rows(), (QStringList{u"20081005 76.0"_s, u"20081001 78.0"_s, u"20080912 80.0"_s}));
    EXPECT_EQ(currentWeight, 76);
    ASSERT_EQ(keptFiles().size(), 1);
    EXPECT_TRUE(messages[0].contains(keptFiles()[0])) << "the user is told where it is";
    QFile kept(dataPath(keptFiles()[0]));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damaged);
    EXPECT_EQ(readData(u"yourdata.csv"_s), damaged) << "left in place for the next start";

    ASSERT_TRUE(saveYourData());
    EXPECT_TRUE(readData(u"yourdata.csv"_s)
                    .endsWith("#2008-10-05#,76\r\n#2008-10-01#,78\r\n#2008-09-12#,80\r\n"));
}

TEST_F(Form2LoadTest, AHeaderWithoutLogLinesGivesTheDeclarationEntry)
{
    StoredDiet diet;
    diet.declared = "#2008-09-13 08:00:00#";
    diet.startWeight = "81.25";
    writeData(u"yourdata.csv"_s, diet.bytes({}));
    form2();
    EXPECT_EQ(fake.takeMessages().size(), 1);
    EXPECT_EQ(rows(), QStringList{u"20080913 81.3"_s});
    EXPECT_EQ(currentWeight, 81.25); // the declaration entry is the start weight itself
    EXPECT_EQ(keptFiles().size(), 1);
}

TEST_F(Form2LoadTest, AFileGoneWhileRunningLeavesTheTableAsItIs)
{
    open(StoredDiet{}, {"#2008-10-01#,78", "#2008-09-12#,80"});
    press("Command1");
    ASSERT_TRUE(QFile::remove(dataPath(u"yourdata.csv"_s)));
    form2().LoadSettingsScreen();
    EXPECT_EQ(fake.takeMessages().size(), 1);
    EXPECT_EQ(rows(), (QStringList{u"20081001 78.0"_s, u"20080912 80.0"_s}));
    EXPECT_FALSE(editBoxesEnabled());
    EXPECT_TRUE(keptFiles().isEmpty());
}

TEST_F(Form2LoadTest, AHundredThousandEntriesAreLoadedEditedAndSorted)
{
    QList<QByteArray> log;
    QDate day(2300, 1, 1);
    for (int i = 0; i < 100000; ++i, day = day.addDays(-1))
        log << '#' + day.toString(u"yyyy-MM-dd"_s).toLatin1() + "#," +
                   QByteArray::number(60 + i % 400 / 10.0);
    log.back() = "#2008-09-12#,80";
    open(StoredDiet{}, log);
    ASSERT_EQ(table().entryCount(), 100000);
    clickRow(50000);
    type("Text1", u"23000102"_s);
    type("Text2", u"65"_s);
    press("Command2");
    EXPECT_EQ(rows().at(0), u"23000102 65.0"_s);
    clickRow(99999);
    press("Command3");
    EXPECT_EQ(table().entryCount(), 99999);
}
