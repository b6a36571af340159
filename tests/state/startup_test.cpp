// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/dateserial.h"
#include "state/startup.h"
#include "support/tolmitest.h"

class StartupDecisions : public TolmiTest
{
};

TEST_F(StartupDecisions, AWindowOffTheRightEdgeMovesToTheMiddle)
{
    windowLeft() = 20000;
    windowTop() = 300;
    keepWindowOnScreen(QSize(19200, 14401));
    EXPECT_EQ(windowLeft(), 9600);
    EXPECT_EQ(windowTop(), 7200);

    windowLeft() = 14200; // exactly W - 5000 stays
    windowTop() = 300;
    keepWindowOnScreen(QSize(19200, 14400));
    EXPECT_EQ(windowLeft(), 14200);
    EXPECT_EQ(windowTop(), 300);
}

TEST_F(StartupDecisions, AWindowBelowTheBottomMovesToTheMiddle)
{
    windowLeft() = 100;
    windowTop() = 11401; // H - 3000 = 11400
    keepWindowOnScreen(QSize(19200, 14400));
    EXPECT_EQ(windowTop(), 7200);
    EXPECT_EQ(windowLeft(), 9600);
}

TEST_F(StartupDecisions, NegativePositionsBecomeZero)
{
    windowTop() = -300;
    windowLeft() = -1;
    keepWindowOnScreen(QSize(19200, 14400));
    EXPECT_EQ(windowTop(), 0);
    EXPECT_EQ(windowLeft(), 0);

    windowTop() = -300;
    keepWindowOnScreen(std::nullopt); // no screen size: no correction
    EXPECT_EQ(windowTop(), -300);
}

TEST_F(StartupDecisions, ThePassedDeadlineStopsStartUpOnlyAboveTheTarget)
{
    const QDate declared(2008, 9, 1);
    declarationDate() = serialFromDate(declared);
    deadlineDays() = 30;
    targetWeight() = 65.0;
    currentWeight = 70.0;
    EXPECT_TRUE(deadlineHasPassed(declared.addDays(31)));
    EXPECT_FALSE(deadlineHasPassed(declared.addDays(30)));

    currentWeight = 65.0;
    EXPECT_FALSE(deadlineHasPassed(declared.addDays(31)));

    currentWeight = 70.0;
    deadlineDays() = 0;
    EXPECT_FALSE(deadlineHasPassed(declared.addDays(3000)));
}

TEST_F(StartupDecisions, ADeclarationTimeOfDayRoundsTheDayCountHalfToEven)
{
    deadlineDays() = 30;
    targetWeight() = 65.0;
    currentWeight = 70.0;
    // Declared at noon: 30.5 days later rounds to 30 (even), 31.5 to 32.
    declarationDate() = serialFromDate(QDate(2008, 9, 1)) + 0.5;
    EXPECT_FALSE(deadlineHasPassed(QDate(2008, 10, 2)));
    EXPECT_TRUE(deadlineHasPassed(QDate(2008, 10, 3)));
}
