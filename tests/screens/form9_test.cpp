// SPDX-License-Identifier: GPL-3.0-or-later
// The deadline-passed dialog: ending keeps the deadline, continuing drops it, and the main screen
// takes the dialog's place either way.

#include "platform/twips.h"
#include "screens/launch.h"
#include "screens/main/form1.h"
#include "screens/navigator.h"
#include "screens/settings/form2.h"
#include "screens/wizard/form9.h"
#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/state.h"
#include "support/tolmitest.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList visibleWindows()
{
    QStringList names;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            names << window->objectName();
    }
    return names;
}

Form9 *shownDialog()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<Form9 *>(window); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

// A diet of 80 kg towards 70 kg declared on 2008-08-01 with a 60-day deadline: on the test's
// today, 2008-10-20, 80 days have passed.
class DeadlineTest : public TolmiTest
{
protected:
    void SetUp() override
    {
        TolmiTest::SetUp();
        resetSettingsToDefaults();
        setupDone() = 1;
        startWeight() = 80;
        targetWeight() = 70;
        height() = 170;
        declarationDate() = serialFromDate(QDate(2008, 8, 1));
        deadlineDays() = 60;
        windowTop() = 1500;
        windowLeft() = 3000;
        ASSERT_TRUE(writeNewDietFiles(nullptr));
        start();
    }

    void start()
    {
        resetState();
        startProgram();
    }

    void startAgain()
    {
        unloadAllScreens();
        start();
    }

    // Line `n` (from 1) of yourdata.csv without its line end.
    QByteArray fileLine(int n) const
    {
        return readData(u"yourdata.csv"_s).split('\n').value(n - 1).chopped(1);
    }

    // Moves the dialog as the user may drag it.
    Form9 *movedDialog()
    {
        Form9 *dialog = shownDialog();
        if (dialog)
            moveWindowToTwips(dialog, 2400, 4500);
        return dialog;
    }
};

TEST_F(DeadlineTest, ContinuingDropsTheDeadlineAndOpensTheMainScreenWhereTheDialogStood)
{
    Form9 *dialog = movedDialog();
    ASSERT_TRUE(dialog);
    QTest::mouseClick(dialog->Command2, Qt::LeftButton);

    EXPECT_EQ(visibleWindows(), QStringList{u"Form1"_s});
    EXPECT_EQ(windowTopInTwips(&form1()), 2400);
    EXPECT_EQ(windowLeftInTwips(&form1()), 4500);
    EXPECT_EQ(deadlineDays(), 0);
    EXPECT_FALSE(form2().Check1->isChecked());
    EXPECT_EQ(form2().Text8->text(), u"90"_s);
    EXPECT_FALSE(form2().Text8->isEnabled());
    EXPECT_EQ(fileLine(9), "60,#2008-01-02#") << "only in memory until the next save";

    // The next exit saves the diet without a deadline, so the dialog does not come back.
    form1().close();
    EXPECT_TRUE(fileLine(9).startsWith("0,")) << fileLine(9).constData();
    startAgain();
    EXPECT_FALSE(shownDialog());
    EXPECT_TRUE(form1().isVisible());
}

// The days box's four-character limit is for typing: the program's 9990 + 30 is shown whole.
TEST_F(DeadlineTest, ContinuingShowsAFiveDigitDeadlineWhole)
{
    declarationDate() = serialFromDate(QDate(1980, 1, 1));
    deadlineDays() = 9990;
    ASSERT_TRUE(writeNewDietFiles(nullptr));
    startAgain();
    ASSERT_TRUE(shownDialog());
    QTest::mouseClick(shownDialog()->Command2, Qt::LeftButton);
    EXPECT_EQ(form2().Text8->text(), u"10020"_s);
}

TEST_F(DeadlineTest, ContinuingThenDyingWithoutExitSaveKeepsTheDeadline)
{
    QTest::mouseClick(shownDialog()->Command2, Qt::LeftButton);
    startAgain(); // no exit save ran
    EXPECT_TRUE(shownDialog());
}

TEST_F(DeadlineTest, EndingSavesTheDeadlineUnchangedFromTheDialogsPosition)
{
    using Leave = void (*)(Form9 *);
    const std::pair<const char *, Leave> waysOut[] = {
        {"Command1", [](Form9 *dialog) { QTest::mouseClick(dialog->Command1, Qt::LeftButton); }},
        {"close box", [](Form9 *dialog) { dialog->close(); }},
    };
    for (const auto &[name, leave] : waysOut) {
        SCOPED_TRACE(name);
        Form9 *dialog = movedDialog();
        ASSERT_TRUE(dialog);
        leave(dialog);
        EXPECT_TRUE(visibleWindows().isEmpty()) << utf8(visibleWindows().join(u','));
        EXPECT_TRUE(fileLine(5).startsWith("2400,")) << fileLine(5).constData();
        EXPECT_TRUE(fileLine(6).startsWith("4500,")) << fileLine(6).constData();
        EXPECT_TRUE(fileLine(9).startsWith("60,")) << fileLine(9).constData();

        startAgain();
        Form9 *again = shownDialog();
        ASSERT_TRUE(again);
        EXPECT_EQ(windowTopInTwips(again), 2400);
        EXPECT_EQ(windowLeftInTwips(again), 4500);
        moveWindowToTwips(again, 1500, 3000);
    }
}

TEST_F(DeadlineTest, DialogStaysWhenTheExitSaveFailsAndTheUserGoesBack)
{
    QFile::remove(dataPath(u"yourdata.csv"_s));
    ASSERT_TRUE(QDir().mkdir(dataPath(u"yourdata.csv"_s)));
    fake.answers = {false}; // back to the main screen rather than ending unsaved
    shownDialog()->close();
    EXPECT_EQ(fake.takeMessages().size(), 1); // the failed save
    EXPECT_EQ(fake.questions.size(), 1);
    EXPECT_EQ(visibleWindows(), QStringList{u"Form9"_s});
}

} // namespace
