// SPDX-License-Identifier: GPL-3.0-or-later
// The main-screen refresh as the user sees it: from the data files through start-up to the
// captions, the chick column and the copied text.

#include "engine/mainscreen.h"
#include "screens/launch.h"
#include "screens/main/form1.h"
#include "screens/navigator.h"
#include "state/datafiles.h"
#include "state/state.h"
#include "support/tolmitest.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

class RefreshTest : public TolmiTest
{
};

std::array<QString, 6> captions(const Form1 &screen)
{
    return {screen.Label1[0]->text(), screen.Label1[1]->text(), screen.Label1[2]->text(),
            screen.Label1[3]->text(), screen.Label1[4]->text(), screen.Label1[11]->text()};
}

} // namespace

TEST_F(RefreshTest, LoadsTheMainScreenHiddenAndWritesEachLineToItsLabel)
{
    resetSettingsToDefaults();
    resetTemplateToDefaults();
    startWeight() = 90;
    targetWeight() = 70;
    height() = 160;
    currentWeight = 85;
    latestDate = declarationDate() + 3;
    deadlineDays() = 30;
    ASSERT_FALSE(form1Loaded());

    RefreshMainScreen();

    ASSERT_TRUE(form1Loaded());
    const Form1 &screen = form1();
    EXPECT_FALSE(screen.isVisible());
    const MainScreenResult expected = computeMainScreen(fake.now.date(), [] { return 0.0; });
    EXPECT_EQ(captions(screen),
              (std::array{expected.levelLine, expected.currentLine, expected.startLine,
                          expected.targetLine, expected.phraseLine, expected.changeLine}));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(!screen.Image1[i]->isHidden(), expected.pictureVisible[i]) << i;
    EXPECT_EQ(randomPhraseOn, 1);
}

// Start weight 80.0 on 2008-10-17, target 60.0, height 170.0, newest weighing 78.0 on 2008-10-20,
// no deadline, the kitten mode, the default copy template.
TEST_F(RefreshTest, WorkedExampleFromStartUpToTheClipboard)
{
    writeData(u"yourdata.csv"_s, "1,80\r\n"
                                 "0,60\r\n"
                                 "0,170\r\n"
                                 "0,100\r\n"
                                 "1200,100\r\n"
                                 "2400,\"www.5ch.net\"\r\n"
                                 "15724527,\"URL2\"\r\n"
                                 "8404992,#2008-10-17#\r\n"
                                 "0,#2008-01-02#\r\n"
                                 "#2008-10-20#,78\r\n"
                                 "#2008-10-17#,80\r\n");
    startProgram();

    Form1 &screen = form1();
    ASSERT_TRUE(screen.isVisible());
    EXPECT_EQ(screen.pos(), QPoint(160, 80));
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_EQ(utf8(screen.Label1[0]->text()), "アフリカゾウ");
    EXPECT_EQ(utf8(accessibleName(screen.Label1[0])), "レベル： アフリカゾウ");
    EXPECT_EQ(utf8(screen.Label1[1]->text()), "78.0 kg (08年10月20日) bmi27.0");
    EXPECT_EQ(utf8(screen.Label1[2]->text()), "80.0 kg (08年10月17日) bmi27.7");
    EXPECT_EQ(utf8(screen.Label1[3]->text()), "60.0 kg (目標達成率 10.0 %)");
    EXPECT_FALSE(screen.Label1[4]->text().isEmpty());
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(screen.Image1[i]->isHidden()) << i;
        EXPECT_TRUE(screen.Image1[i + 6]->isVisible()) << i + 6;
    }

    QTest::mouseClick(screen.Command1, Qt::LeftButton);
    const QString text = QGuiApplication::clipboard()->text();
    const QString fourLines = u"レベル： アフリカゾウ\r\n"
                              u"現在： 78.0 kg (08年10月20日) bmi27.0\r\n"
                              u"開始： 80.0 kg (08年10月17日) bmi27.7\r\n"
                              u"目標： 60.0 kg (目標達成率 10.0 %)\r\n"_s;
    ASSERT_TRUE(text.startsWith(fourLines)) << utf8(text);
    const QString changeLine = text.mid(fourLines.size());
    EXPECT_TRUE(changeLine.startsWith(u"増減： -2.0 kg "_s)) << utf8(changeLine);
    EXPECT_GT(changeLine.size(), QString(u"増減： -2.0 kg "_s).size());
    EXPECT_FALSE(changeLine.contains(u"\r\n"_s));
    EXPECT_EQ(screen.Label1[11]->text(), changeLine.mid(4));
}
