// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/twips.h"
#include "screens/main/form1.h"
#include "screens/main/form3.h"
#include "screens/navigator.h"
#include "screens/settings/form2.h"
#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/state.h"
#include "state/weightlog.h"
#include "support/tolmitest.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

class WinLossTable : public TolmiTest
{
protected:
    // Saves a diet whose log holds `weights`, oldest (the declaration entry) first, one day apart,
    // and loads the settings screen from it, as start-up does.
    void keepLog(const std::vector<double> &weights, double target)
    {
        setupDone() = 1;
        startWeight() = weights.front();
        targetWeight() = target;
        height() = 170;
        const QDate declared(2008, 6, 1);
        declarationDate() = serialFromDate(declared);
        const auto count = qsizetype(weights.size());
        QString problem;
        const QByteArray bytes = yourDataBytes(
            count,
            [&](qsizetype i) {
                const qsizetype age = count - 1 - i; // row i + 1 is the newest but i
                return std::pair{eightDigitsFromDate(declared.addDays(age)),
                                 QString::number(weights[age], 'f', 1)};
            },
            &problem);
        ASSERT_FALSE(bytes.isEmpty()) << utf8(problem);
        writeData(u"yourdata.csv"_s, bytes);
        form2();
    }

    // Opens the table as the main screen's ●○ does.
    Form3 *openTable()
    {
        form1().Command3->click();
        return visibleScreen<Form3>();
    }

    static QString marks(Form3 *table)
    {
        return table->findChild<QPlainTextEdit *>(u"Text1"_s)->toPlainText();
    }
    static QString winsAndLosses(Form3 *table)
    {
        return table->findChild<QLineEdit *>(u"Text2"_s)->text();
    }
    static QString longestRun(Form3 *table)
    {
        return table->findChild<QLineEdit *>(u"Text3"_s)->text();
    }
    static void copy(Form3 *table)
    {
        QTest::mouseClick(table->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    }
};

TEST_F(WinLossTable, OnlyTheDeclarationEntryGivesNoMarks)
{
    keepLog({80.0}, 70.0);
    Form3 *table = openTable();
    EXPECT_EQ(marks(table), QString());
    EXPECT_EQ(winsAndLosses(table), u"０勝０敗"_s);
    EXPECT_EQ(longestRun(table), u"連続記録 0日"_s);
    EXPECT_EQ(weightLog().entryCount(), 1);
    EXPECT_EQ(weightLog().weightText(1), u"80.0"_s);
}

TEST_F(WinLossTable, MarksEveryWeighingAgainstThePreviousOneAndTheTarget)
{
    keepLog({80.0, 79.5, 79.5, 80.2, 79.0}, 70.0);
    Form3 *table = openTable();
    EXPECT_EQ(marks(table), u"○○●○"_s);
    EXPECT_EQ(winsAndLosses(table), u"３勝１敗"_s);
    EXPECT_EQ(longestRun(table), u"連続記録 2日"_s);
    table->close();

    // At or below the target every weighing is a "◎", even the unchanged one; above it a gain
    // stays a loss.
    unloadAllScreens();
    keepLog({80.0, 79.5, 79.5, 80.2, 79.0}, 79.5);
    table = openTable();
    EXPECT_EQ(marks(table), u"◎◎●◎"_s);
    EXPECT_EQ(winsAndLosses(table), u"３勝１敗"_s);
    EXPECT_EQ(longestRun(table), u"連続記録 2日"_s);
}

TEST_F(WinLossTable, AGainBelowTheTargetIsStillAWin)
{
    keepLog({80.0, 69.0, 69.5}, 70.0);
    EXPECT_EQ(marks(openTable()), u"◎◎"_s);
}

TEST_F(WinLossTable, ShowsTheLongestRunNotTheCurrentOne)
{
    keepLog({80.0, 79.0, 78.0, 77.0, 78.0, 77.5, 77.0}, 70.0);
    Form3 *table = openTable();
    EXPECT_EQ(marks(table), u"○○○●○○"_s);
    EXPECT_EQ(winsAndLosses(table), u"５勝１敗"_s);
    EXPECT_EQ(longestRun(table), u"連続記録 3日"_s);
}

TEST_F(WinLossTable, CountsAnEntryNotYetSaved)
{
    keepLog({80.0, 79.0}, 70.0);
    WeightLog &log = weightLog();
    log.insertBlankEntry(1);
    log.setEntry(1, u"20080610"_s, u"81.0"_s);
    Form3 *table = openTable();
    EXPECT_EQ(marks(table), u"○●"_s);
    EXPECT_EQ(winsAndLosses(table), u"１勝１敗"_s);
    EXPECT_EQ(longestRun(table), u"連続記録 1日"_s);
}

TEST_F(WinLossTable, CopiesMarksCountsAndRunAsOneLine)
{
    keepLog({80.0, 79.0, 80.0, 69.0}, 70.0);
    Form3 *table = openTable();
    QGuiApplication::clipboard()->setText(u"old"_s);
    copy(table);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"○●◎ ２勝１敗（連続記録 1日）"_s);
}

TEST_F(WinLossTable, CopiesCountsOfAHundredInFullWidthDigits)
{
    std::vector<double> weights;
    for (int i = 0; i <= 100; ++i)
        weights.push_back(200.0 - i);
    keepLog(weights, 50.0);
    Form3 *table = openTable();
    copy(table);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QString(100, u'○') + u" １００勝０敗（連続記録 100日）"_s);
}

TEST_F(WinLossTable, ClosingBringsTheMainScreenBackWhereTheTableStood)
{
    keepLog({80.0, 79.0}, 70.0);
    for (const bool byButton : {true, false}) {
        form1().hide();
        QPointer<Form3> table = openTable();
        moveWindowToTwips(table, 1500, 3000);
        if (byButton)
            QTest::mouseClick(table->findChild<QPushButton *>(u"Command2"_s), Qt::LeftButton);
        else
            pressKey(table, Qt::Key_Escape); // as 戻る
        ASSERT_TRUE(discarded(table));
        EXPECT_TRUE(form1().isVisible());
        EXPECT_EQ(windowTopInTwips(&form1()), 1500);
        EXPECT_EQ(windowLeftInTwips(&form1()), 3000);
    }
}

} // namespace
