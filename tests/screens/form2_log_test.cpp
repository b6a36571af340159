// SPDX-License-Identifier: GPL-3.0-or-later
// The weight log editor of the settings screen: selecting, new entries, writing and deleting.

#include "form2_test.h"
#include "screens/settings/logtransfer.h"
#include "state/state.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QList<QByteArray> fourEntries = {"#2008-10-15#,76.5", "#2008-10-01#,78", "#2008-09-20#,79",
                                       "#2008-09-12#,80"};
const QString refused = u"有効範囲内にある半角数字を入れてください"_s;

} // namespace

class Form2LogTest : public Form2Test
{
protected:
    void SetUp() override
    {
        Form2Test::SetUp();
        open(StoredDiet{}, fourEntries);
        fileBefore = readData(u"yourdata.csv"_s);
    }
    void TearDown() override
    {
        EXPECT_EQ(readData(u"yourdata.csv"_s), fileBefore) << "the editor wrote the file";
        Form2Test::TearDown();
    }
    // Writes `date` and `weight` into `row` (selected by a click) and presses 書込.
    void correct(int row, const QString &date, const QString &weight)
    {
        clickRow(row);
        type("Text1", date);
        type("Text2", weight);
        press("Command2");
    }

    // The table's menu entry of that text, chosen.
    void choose(const QString &entry) const
    {
        for (QAction *action : form2().logTransfer->menu()->actions())
            if (action->text() == entry)
                action->trigger();
    }
    QByteArray fileBefore;
};

TEST_F(Form2LogTest, LoadsTheLogInFileOrderAndWaitsIdle)
{
    EXPECT_EQ(rows(), (QStringList{u"20081015 76.5"_s, u"20081001 78.0"_s, u"20080920 79.0"_s,
                                   u"20080912 80.0"_s}));
    EXPECT_EQ(text("Text1"), u"西暦年月日"_s);
    EXPECT_EQ(text("Text2"), u"体重kg"_s);
    EXPECT_FALSE(box("Text1")->isEnabled());
    EXPECT_FALSE(box("Text2")->isEnabled());
    EXPECT_EQ(currentWeight, 76.5);
    EXPECT_EQ(dateFromSerial(latestDate), QDate(2008, 10, 15));

    auto *view = control<QTableView>("MSFlexGrid1");
    EXPECT_EQ(view->model()->headerData(1, Qt::Horizontal).toString(), u"年月日"_s);
    EXPECT_EQ(view->model()->headerData(2, Qt::Horizontal).toString(), u"体重"_s);
    EXPECT_EQ(view->columnWidth(0), 10);
    EXPECT_EQ(view->columnWidth(1), 66);
    EXPECT_EQ(view->columnWidth(2), 40);
    EXPECT_EQ(view->rowHeight(0), 20);
    EXPECT_EQ(view->currentIndex(), view->model()->index(0, 1));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Tab); // out of the table, past the idle edit boxes
    EXPECT_EQ(form2().focusWidget(), control<QPushButton>("Command1"));
}

TEST_F(Form2LogTest, ClickSelectsARowForCorrectionButNeverTheDeclarationOrHeading)
{
    clickRow(4);
    clickRow(0);
    EXPECT_FALSE(editBoxesEnabled());
    EXPECT_EQ(table().markedRow(), 0);

    clickRow(2);
    EXPECT_TRUE(editBoxesEnabled());
    EXPECT_EQ(text("Text1"), u"20081001"_s);
    EXPECT_EQ(text("Text2"), u"78.0"_s);
    EXPECT_TRUE(focused("Text2"));
    clickRow(3);
    EXPECT_EQ(rows().at(1), u"20081001 78.0"_s) << "the earlier mark is cleared";
    EXPECT_EQ(rows().at(2), u">20080920 79.0"_s);
    EXPECT_EQ(settingsDirty, 0);
}

TEST_F(Form2LogTest, WritesANewEntryRoundedAndSortedToTheTop)
{
    press("Command1");
    EXPECT_EQ(rows().at(0), u"> "_s);
    EXPECT_EQ(text("Text1"), u"20081020"_s) << "today";
    EXPECT_EQ(text("Text2"), QString());
    EXPECT_TRUE(focused("Text2"));
    EXPECT_EQ(settingsDirty, 0);

    type("Text1", u"２００８１１１３"_s); // typed with the input method on
    type("Text2", u"65.25"_s);
    QTest::keyClick(box("Text2"), Qt::Key_Return); // as 書込
    EXPECT_EQ(rows().at(0), u"20081113 65.3"_s);
    EXPECT_EQ(table().entryCount(), 5);
    EXPECT_EQ(text("Text1"), u"西暦年月日"_s);
    EXPECT_EQ(text("Text2"), u"体重kg"_s);
    EXPECT_FALSE(editBoxesEnabled());
    EXPECT_EQ(settingsDirty, 1);
    EXPECT_EQ(currentWeight, 76.5) << "only a save takes the new row 1";
}

TEST_F(Form2LogTest, WeightsAreReadAsTheyAreTyped)
{
    const std::pair<QString, QString> accepted[] = {
        {u"0"_s, u".0"_s},
        {u"-0"_s, u".0"_s},
        {u"999.9"_s, u"999.9"_s},
        {u"65."_s, u"65.0"_s},
        {u".5"_s, u".5"_s},
        {u" 65 "_s, u"65.0"_s},
        {u"65.25999"_s, u"65.3"_s}, // a longer paste is cut at five characters
        {u"６５．２５"_s, u"65.3"_s},
        {u"－０"_s, u".0"_s},
        {u"　６５　"_s, u"65.0"_s},
    };
    for (const auto &[typed, shown] : accepted) {
        correct(1, u"20081016"_s, typed);
        EXPECT_EQ(fake.takeMessages(), QStringList()) << utf8(typed);
        EXPECT_EQ(rows().at(0), u"20081016 "_s + shown) << utf8(typed);
    }
}

TEST_F(Form2LogTest, RefusesBadInputWithItsMessageAndChangesNothing)
{
    const QString onOrBeforeDeclaration = u"宣言日より過去の年月日は設定できません"_s;
    const struct
    {
        QString date;
        QString weight;
        QString message;
    } cases[] = {
        {u"2008111"_s, u"70"_s, refused},
        {u"20081340"_s, u"70"_s, refused},
        {u"20081140"_s, u"70"_s, refused},
        {u"abcdefgh"_s, u"70"_s, refused},
        {u"2008/11/13"_s, u"70"_s, refused},
        {QString(), u"70"_s, refused},
        {u"２００８１１４０"_s, u"70"_s, refused},
        {u"90000102"_s, u"70"_s, refused},
        {u"20080912"_s, u"70"_s, onOrBeforeDeclaration},
        {u"20080101"_s, u"70"_s, onOrBeforeDeclaration},
        {u"20081016"_s, QString(), refused},
        {u"20081016"_s, u"abc"_s, refused},
        {u"20081016"_s, u"1000"_s, refused},
        {u"20081016"_s, u"-1"_s, refused},
        {u"20081016"_s, u"1e309"_s, refused},
        {u"20081016"_s, u"0x10"_s, refused},
        {u"20081016"_s, u"１０００"_s, refused},
        {u"20081016"_s, u"1e2"_s, refused},
    };
    clickRow(2);
    const QStringList before = rows();
    for (const auto &bad : cases) {
        type("Text1", bad.date);
        type("Text2", bad.weight);
        const QString typedDate = text("Text1");
        press("Command2");
        EXPECT_EQ(fake.takeMessages(), QStringList{bad.message})
            << utf8(bad.date + u'|' + bad.weight);
        EXPECT_EQ(rows(), before);
        EXPECT_EQ(text("Text1"), typedDate);
        EXPECT_TRUE(editBoxesEnabled());
    }
    EXPECT_EQ(settingsDirty, 0);
}

TEST_F(Form2LogTest, ResortsNewestFirstWithWeightsComparedAsNumbers)
{
    correct(3, u"20081018"_s, u"79"_s);
    EXPECT_EQ(rows().at(0), u"20081018 79.0"_s) << "a corrected date moves the row up";
    EXPECT_EQ(rows().at(3), u"20080912 80.0"_s);

    // The same date twice: both kept, the heavier above; 10.0 is heavier than 9.5.
    correct(2, u"20081018"_s, u"9.5"_s);
    correct(3, u"20081018"_s, u"10"_s);
    EXPECT_EQ(rows(), (QStringList{u"20081018 79.0"_s, u"20081018 10.0"_s, u"20081018 9.5"_s,
                                   u"20080912 80.0"_s}));
}

TEST_F(Form2LogTest, ANewEntryGivesWayToAClickOnAnotherRow)
{
    press("Command1");
    press("Command1"); // a second press leaves the one blank row
    EXPECT_EQ(table().entryCount(), 5);

    clickRow(1); // the blank row itself: its empty texts, still pending
    EXPECT_EQ(text("Text1"), QString());
    EXPECT_EQ(table().entryCount(), 5);

    clickRow(3);
    EXPECT_EQ(table().entryCount(), 4);
    EXPECT_EQ(rows().at(1), u">20081001 78.0"_s);
    EXPECT_EQ(text("Text1"), u"20081001"_s);
    EXPECT_EQ(text("Text2"), u"78.0"_s);
    type("Text2", u"77"_s);
    press("Command2");
    EXPECT_EQ(rows().at(1), u"20081001 77.0"_s) << "the clicked row, not a neighbour, is written";
}

TEST_F(Form2LogTest, NewAbandonsAnUnfinishedCorrection)
{
    clickRow(2);
    press("Command1");
    EXPECT_EQ(rows().at(0), u"> "_s);
    EXPECT_EQ(rows().at(2), u"20081001 78.0"_s);
}

TEST_F(Form2LogTest, DeleteRemovesTheSelectedRowOnce)
{
    press("Command2"); // nothing selected: nothing happens
    press("Command3");
    EXPECT_EQ(table().entryCount(), 4);
    EXPECT_EQ(settingsDirty, 0);

    clickRow(2);
    press("Command3");
    press("Command3");
    EXPECT_EQ(rows(), (QStringList{u"20081015 76.5"_s, u"20080920 79.0"_s, u"20080912 80.0"_s}));
    EXPECT_EQ(text("Text1"), u"年／月／日"_s);
    EXPECT_EQ(text("Text2"), u"体重kg"_s);
    EXPECT_FALSE(editBoxesEnabled());
    EXPECT_EQ(settingsDirty, 1);

    press("Command1");
    press("Command3"); // deleting the pending blank row
    EXPECT_EQ(table().entryCount(), 3);
}

TEST_F(Form2LogTest, FinishingDropsAPendingEntryWithoutMakingTheScreenDirty)
{
    press("Command1");
    press("Command6");
    EXPECT_EQ(table().entryCount(), 4);
    EXPECT_EQ(table().markedRow(), 0);
    EXPECT_EQ(text("Text1"), u"年／月／日"_s);
    EXPECT_FALSE(editBoxesEnabled());
    EXPECT_EQ(settingsDirty, 0);
    EXPECT_NE(visibleScreen(u"Form1"_s), nullptr);
    EXPECT_EQ(visibleScreen(u"Form7"_s), nullptr);
}

TEST_F(Form2LogTest, TheTableOutlivesAVisitToTheHelp)
{
    correct(2, u"20081002"_s, u"77.7"_s);
    clickRow(3);
    press("Command4");
    EXPECT_FALSE(form2().isVisible());
    form2().show();
    EXPECT_EQ(rows().at(1), u"20081002 77.7"_s);
    EXPECT_EQ(rows().at(2), u">20080920 79.0"_s);
    EXPECT_EQ(text("Text1"), u"20080920"_s);
}

TEST_F(Form2LogTest, AnOnlyDeclarationEntryIsNeverSelected)
{
    // Reloaded from a file that holds the declaration entry alone.
    writeData(u"yourdata.csv"_s, StoredDiet{}.bytes({"#2008-09-12#,80"}));
    fileBefore = readData(u"yourdata.csv"_s);
    form2().LoadSettingsScreen();
    ASSERT_EQ(table().entryCount(), 1);
    clickRow(1);
    EXPECT_FALSE(editBoxesEnabled());
    press("Command1");
    EXPECT_EQ(rows(), (QStringList{u"> "_s, u"20080912 80.0"_s}));
}

TEST_F(Form2LogTest, TheDeclarationEntryStaysLastWhenItsDateWasMovedLater)
{
    StoredDiet diet;
    diet.declared = "#2008-10-05#";
    writeData(u"yourdata.csv"_s, diet.bytes({"#2008-10-01#,78", "#2008-10-05#,80"}));
    fileBefore = readData(u"yourdata.csv"_s);
    form2().LoadSettingsScreen();
    press("Command1");
    type("Text2", u"77"_s);
    press("Command2");
    EXPECT_EQ(rows(), (QStringList{u"20081020 77.0"_s, u"20081001 78.0"_s, u"20081005 80.0"_s}));
}

TEST_F(Form2LogTest, PastedWeighingsGoInAsOneWrite)
{
    const struct
    {
        std::function<void()> before;
        bool byMenu;                  // 貼り付け in the table's menu, else Ctrl+V
        QString pasted, top, message; // top: row 1 afterwards
        int count;
        bool taken;
    } cases[] = {
        {[&] { clickRow(2); }, false, u"日付\t体重\n2008/10/18\t79,6\n18.10.2008\t79.6kg"_s,
         u"20081018 79.6"_s, // a correction under way is abandoned
         u"1件の体重を取り込みました。1件は取り込みませんでした。\n3行目：前の行と同じ記録です"_s,
         5, true},
        {[&] { press("Command1"); }, true, u"2008-10-16;77"_s,
         u"20081016 77.0"_s, // the blank row goes
         u"1件の体重を取り込みました。"_s, 5, true},
        {[&] { type("Text3", u"20080801"_s); }, false, u"2008-09-01 70"_s, u"20081015 76.5"_s,
         u"1件の体重を取り込みました。"_s, 5, true}, // the declaration date the save will write...
        {[&] { clickControl("Check1"), type("Text3", u"20080801"_s); }, false, u"2008-09-01 70"_s,
         u"20081015 76.5"_s, // ... which a ticked deadline keeps as stored
         u"取り込んだ体重はありません。1件は取り込みませんでした。\n1行目：日付が宣言日以前です"_s,
         4, false},
    };
    for (const auto &c : cases) {
        form2().LoadSettingsScreen();
        c.before();
        settingsDirty = 0;
        QGuiApplication::clipboard()->setText(c.pasted);
        c.byMenu ? choose(u"貼り付け"_s)
                 : QTest::keyClick(form2().MSFlexGrid1, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(rows().at(0), c.top) << utf8(c.pasted);
        EXPECT_EQ(table().entryCount(), c.count);
        EXPECT_EQ(fake.takeMessages(), QStringList{c.message});
        EXPECT_EQ(settingsDirty, int(c.taken));
        EXPECT_TRUE(!c.taken || !editBoxesEnabled());
    }
}

TEST_F(Form2LogTest, ExportsTheLogAsItStandsAndReadsItBackIntoAFreshDiet)
{
    correct(2, u"20081002"_s, u"77.7"_s); // unsaved, exported all the same
    const QStringList log = rows();
    const QString file = directory.filePath(u"log.csv"_s), fifo = directory.filePath(u"pipe"_s);
    fake.filePicks = {file};
    choose(u"ファイルに書き出す…"_s);
    EXPECT_EQ(fake.takeMessages(),
              QStringList{u"4件の記録を書き出しました。\nファイル: "_s + file});
    QTest::keyClick(form2().MSFlexGrid1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
        u"日付\t体重(kg)\r\n2008-09-12\t80.0\r\n2008-09-20\t79.0\r\n"_s));
    QTest::keyClick(form2().MSFlexGrid1, Qt::Key_F10, Qt::ShiftModifier); // to the menu
    EXPECT_TRUE(form2().logTransfer->menu()->isVisible());

    writeData(u"yourdata.csv"_s, StoredDiet{}.bytes({"#2008-09-12#,80"}));
    fileBefore = readData(u"yourdata.csv"_s);
    form2().LoadSettingsScreen();
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    fake.filePicks = {fifo, file}; // a named pipe is refused unopened, not waited on
    choose(u"ファイルから読み込む…"_s);
    EXPECT_TRUE(fake.takeMessages().value(0).endsWith(
        u"理由: 普通のファイルではありません（名前付きパイプや装置など）"_s));
    choose(u"ファイルから読み込む…"_s);
    EXPECT_EQ(rows(), log);
    fake.takeMessages();
    // Failures name the file; the program's own data file is never written over.
    for (const QString &path : {file + u".csv/no.csv"_s, dataPath(u"yourdata.csv"_s)}) {
        fake.filePicks = {path};
        choose(u"ファイルに書き出す…"_s);
        EXPECT_TRUE(fake.takeMessages().value(0).startsWith(
            u"ファイルに書き出せませんでした。\nファイル: "_s + path + u"\n理由: "_s));
    }
}
