// SPDX-License-Identifier: GPL-3.0-or-later
// The unsaved-changes dialog: saving the settings screen to the file and the main screen, or
// discarding its changes.

#include "platform/twips.h"
#include "screens/main/form1.h"
#include "screens/navigator.h"
#include "screens/settings/form2.h"
#include "screens/settings/form7.h"
#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/state.h"
#include "state/weightlog.h"
#include "support/samplediet.h"
#include "support/tolmitest.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The file with line `index` (0-based) replaced.
QByteArray withLine(QByteArray bytes, int index, const QByteArray &line)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines[index] = line + '\r';
    return lines.join('\n');
}

class Form7Test : public TolmiTest
{
protected:
    void SetUp() override
    {
        TolmiTest::SetUp();
        writeData(u"yourdata.csv"_s, dietFile);
        loadDataFilesWithRecovery(fake.now);
        Form1 &main = form1();
        form2();
        moveWindowToTwips(&main, windowTop(), windowLeft());
        main.show();
        main.Label1[3]->setText(u"shown before"_s);
        QTest::mouseClick(main.Command4, Qt::LeftButton); // to the settings screen
    }

    // The settings screen's finish button after a change: the dialog in its place.
    Form7 *finishSettings()
    {
        settingsDirty = 1;
        form2().Command6->click();
        return visibleScreen<Form7>();
    }

    void addWeighing()
    {
        weightLog().insertBlankEntry(1);
        weightLog().setEntry(1, u"20081021"_s, u"77.5"_s);
    }
};

} // namespace

TEST_F(Form7Test, Texts)
{
    Form7 *dialog = finishSettings();
    EXPECT_EQ(dialog->windowTitle(), u" ( ・◇・) ? ?"_s);
    EXPECT_EQ(dialog->Label1->text(), u"入力画面の内容が変更されています"_s);
    EXPECT_EQ(dialog->Label2->text(), u"どうしますか？"_s);
    EXPECT_EQ(dialog->Label3->text(), u"キャンセルを押すと変更は保存されません"_s);
    EXPECT_EQ(dialog->findChild<QPushButton *>(u"Command1"_s)->text(), u"変更を保存する"_s);
    EXPECT_EQ(dialog->findChild<QPushButton *>(u"Command2"_s)->text(), u"キャンセル"_s);
}

TEST_F(Form7Test, SavedTargetReachesTheFileAndTheMainScreen)
{
    form2().Text5->setText(u"65"_s);
    addWeighing();
    Form7 *dialog = finishSettings();
    QTest::mouseClick(dialog->Command1, Qt::LeftButton);

    QByteArray expected = withLine(dietFile, 1, "0,65");
    expected.insert(expected.indexOf("#2008-10-20#"), "#2008-10-21#,77.5\r\n");
    EXPECT_EQ(readData(u"yourdata.csv"_s), expected);
    EXPECT_EQ(currentWeight, 77.5);
    EXPECT_EQ(dateFromSerial(latestDate), QDate(2008, 10, 21));
    EXPECT_EQ(settingsDirty, 0);
    EXPECT_TRUE(form1().isVisible());
    EXPECT_FALSE(form2().isVisible());
    EXPECT_NE(form1().Label1[3]->text(), u"shown before"_s); // refreshed
    EXPECT_TRUE(discarded(dialog));
}

TEST_F(Form7Test, DeclarationDateAndStartWeightLandInTheLastEntryAsTyped)
{
    // Typed with the input method on; the day and weight land in their half-width forms.
    form2().Text3->setText(u"２００８１１１３"_s);
    form2().Text4->setText(u"７２"_s);
    Form7 *dialog = finishSettings();
    QTest::keyClick(dialog->Command1, Qt::Key_Escape); // would throw the edits away: nothing
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog->Command1, Qt::Key_Return);

    const QByteArray file = readData(u"yourdata.csv"_s);
    EXPECT_TRUE(file.startsWith("1,72\r\n"));
    EXPECT_TRUE(file.contains("16711680,#2008-11-13#\r\n"));
    EXPECT_TRUE(file.endsWith("#2008-10-20#,78\r\n#2008-11-13#,72\r\n")) << file.toStdString();
    const WeightLog &weights = weightLog();
    ASSERT_EQ(weights.entryCount(), 2);
    EXPECT_EQ(weights.dateText(2), u"20081113"_s);
    EXPECT_EQ(weights.weightText(2), u"72"_s);
}

TEST_F(Form7Test, CancelledWeighingIsGoneEvenAfterExit)
{
    addWeighing();
    Form7 *dialog = finishSettings();
    QTest::mouseClick(dialog->Command2, Qt::LeftButton);

    EXPECT_EQ(readData(u"yourdata.csv"_s), dietFile);
    EXPECT_TRUE(form1().isVisible());
    EXPECT_EQ(form1().Label1[3]->text(), u"shown before"_s); // not refreshed
    EXPECT_EQ(currentWeight, 78);
    EXPECT_TRUE(discarded(dialog));

    QTest::mouseClick(form1().Command4, Qt::LeftButton);
    EXPECT_EQ(weightLog().entryCount(), 2);
    form2().hide();
    form1().show();
    form1().close();
    EXPECT_FALSE(readData(u"yourdata.csv"_s).contains("#2008-10-21#"));
}

TEST_F(Form7Test, CancelledColourStaysOldAndASavedOneIsApplied)
{
    textColour() = 0x00FF00; // as the colour button leaves it
    QTest::mouseClick(finishSettings()->Command2, Qt::LeftButton);
    EXPECT_EQ(textColour(), 255);
    EXPECT_EQ(form1().Label1[4]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    form1().close();
    EXPECT_TRUE(readData(u"yourdata.csv"_s).contains("\r\n255,\"URL2\"\r\n"));
}

TEST_F(Form7Test, SavedColourIsAppliedToAllPanels)
{
    textColour() = 0x00FF00;
    QTest::mouseClick(finishSettings()->Command1, Qt::LeftButton);
    for (QLabel *label : form1().Label1)
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    EXPECT_TRUE(readData(u"yourdata.csv"_s).contains("\r\n65280,\"URL2\"\r\n"));
}

TEST_F(Form7Test, MainScreenOpensWhereTheDialogWasMoved)
{
    Form7 *dialog = finishSettings();
    moveWindowToTwips(dialog, 3000, 4500);
    QTest::mouseClick(dialog->Command1, Qt::LeftButton);
    EXPECT_EQ(form1().pos(), QPoint(300, 200));
    const QList<QByteArray> lines = readData(u"yourdata.csv"_s).split('\n');
    EXPECT_EQ(lines[4], "3000,100\r");
    EXPECT_EQ(lines[5], "4500,\"www.5ch.net\"\r");

    QTest::mouseClick(form1().Command4, Qt::LeftButton);
    dialog = finishSettings();
    moveWindowToTwips(dialog, 1500, 3000);
    QTest::mouseClick(dialog->Command2, Qt::LeftButton);
    EXPECT_EQ(form1().pos(), QPoint(200, 100));
}

TEST_F(Form7Test, CloseBoxDiscardsLikeCancel)
{
    addWeighing();
    Form7 *dialog = finishSettings();
    dialog->close();
    EXPECT_TRUE(form1().isVisible());
    EXPECT_EQ(weightLog().entryCount(), 2);
    EXPECT_EQ(readData(u"yourdata.csv"_s), dietFile);
}

TEST_F(Form7Test, FailedWriteIsReportedAndTheDialogStaysOpen)
{
    ASSERT_TRUE(QDir(dataPath(QString())).removeRecursively());
    QFile plain(directory.path() + u"/tolmidata"_s);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();

    Form7 *dialog = finishSettings();
    QTest::mouseClick(dialog->Command1, Qt::LeftButton);
    const QStringList messages = fake.takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(dataPath(u"yourdata.csv"_s))))
        << utf8(messages[0]);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(form1().isVisible());
    EXPECT_EQ(settingsDirty, 1);
}
