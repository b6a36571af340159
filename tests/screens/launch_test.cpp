// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/twips.h"
#include "screens/launch.h"
#include "screens/main/form1.h"
#include "screens/navigator.h"
#include "screens/settings/form2.h"
#include "screens/wizard/form5.h"
#include "screens/wizard/form9.h"
#include "state/dateserial.h"
#include "support/tolmitest.h"

#include <QApplication>
#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace {

int visibleWindowCount()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += window->isVisible() ? 1 : 0;
    return count;
}

// A declared diet: 80 kg on 2008-09-01 towards 65 kg with a 30-day deadline, last weighed 70 kg.
QByteArray declaredDiet(int windowTop, int windowLeft, int deadline)
{
    return QStringLiteral("1,80\r\n1,65\r\n0,170\r\n0,100\r\n%1,100\r\n%2,\"www.5ch.net\"\r\n"
                          "15724527,\"URL2\"\r\n8404992,#2008-09-01#\r\n%3,#2008-01-02#\r\n"
                          "#2008-10-01#,70\r\n#2008-09-01#,80\r\n")
        .arg(windowTop)
        .arg(windowLeft)
        .arg(deadline)
        .toLatin1();
}

class Launch : public TolmiTest
{
};

} // namespace

TEST_F(Launch, AFirstStartInAnEmptyDirectoryOpensTheWizardOnly)
{
    QDir(directory.path()).rmdir(u"tolmidata"_s);
    startProgram();
    EXPECT_TRUE(QFile::exists(dataPath(u"yourdata.csv"_s)));
    EXPECT_TRUE(QFile::exists(dataPath(u"customdata.csv"_s)));
    EXPECT_NE(visibleScreen<Form5>(), nullptr);
    EXPECT_EQ(visibleWindowCount(), 1);
    EXPECT_FALSE(form1Loaded());
    EXPECT_FALSE(form2Loaded());
}

TEST_F(Launch, ADeclaredDietOpensTheMainScreenWhereItWasLeft)
{
    writeData(u"yourdata.csv"_s, declaredDiet(1500, 3000, 0));
    fake.now = QDateTime(QDate(2008, 10, 20), QTime(7, 0));
    startProgram();
    ASSERT_TRUE(form1Loaded());
    ASSERT_TRUE(form2Loaded());
    EXPECT_TRUE(form1().isVisible());
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(visibleWindowCount(), 1);
    EXPECT_EQ(windowTopInTwips(&form1()), 1500);
    EXPECT_EQ(windowLeftInTwips(&form1()), 3000);
    EXPECT_EQ(currentWeight, 70.0);
}

TEST_F(Launch, AWindowSavedOffTheScreenComesBackToIt)
{
    writeData(u"yourdata.csv"_s, declaredDiet(-300, 20000, 0));
    startProgram();
    EXPECT_EQ(windowLeft(), 9600);
    EXPECT_EQ(windowTop(), 7200);
    EXPECT_EQ(readData(u"yourdata.csv"_s), declaredDiet(-300, 20000, 0))
        << "the correction is kept in memory until the next save";
}

TEST_F(Launch, APassedDeadlineShowsTheDeadlineDialogInsteadOfTheMainScreen)
{
    writeData(u"yourdata.csv"_s, declaredDiet(1500, 3000, 30));
    fake.now = QDateTime(QDate(2008, 10, 2), QTime(7, 0)); // 31 days after the declaration
    startProgram();
    Form9 *dialog = visibleScreen<Form9>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(windowTopInTwips(dialog), 1500);
    EXPECT_EQ(windowLeftInTwips(dialog), 3000);
    ASSERT_TRUE(form1Loaded());
    ASSERT_TRUE(form2Loaded());
    EXPECT_FALSE(form1().isVisible());
    EXPECT_EQ(visibleWindowCount(), 1);
}

TEST_F(Launch, TheDeadlineDayItselfStillOpensTheMainScreen)
{
    writeData(u"yourdata.csv"_s, declaredDiet(1500, 3000, 30));
    fake.now = QDateTime(QDate(2008, 10, 1), QTime(23, 59)); // day 30
    startProgram();
    EXPECT_EQ(visibleScreen<Form9>(), nullptr);
    EXPECT_TRUE(form1().isVisible());
}
