// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/twips.h"
#include "screens/main/form1.h"
#include "screens/main/form4.h"
#include "screens/main/helptext.h"
#include "screens/navigator.h"
#include "screens/settings/form2.h"
#include "state/datafiles.h"
#include "state/state.h"
#include "support/tolmitest.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

class HelpScreen : public TolmiTest
{
protected:
    void SetUp() override
    {
        TolmiTest::SetUp();
        // A saved diet with only its declaration entry, for the settings screen to load.
        const QByteArray log = yourDataBytes(
            1,
            [](qsizetype) {
                return std::pair{u"20080101"_s, u"100.0"_s};
            },
            nullptr);
        ASSERT_FALSE(log.isEmpty());
        writeData(u"yourdata.csv"_s, log);
    }

    // Opens the help with the ヘルプ button of `opener`, the main or the settings screen.
    static QPointer<Form4> openHelpFrom(QWidget &opener)
    {
        const QString button = opener.objectName() == u"Form1"_s ? u"Command5"_s : u"Command4"_s;
        opener.findChild<QPushButton *>(button)->click();
        return visibleScreen<Form4>();
    }
};

TEST_F(HelpScreen, ReturnsToTheScreenThatOpenedItAtTheHelpsPosition)
{
    Form2 &settings = form2();
    moveWindowToTwips(&settings, 600, 900);
    settings.show();
    QPointer<Form4> help = openHelpFrom(settings);
    moveWindowToTwips(help, 2100, 4500);
    help->close();
    ASSERT_TRUE(discarded(help));
    EXPECT_TRUE(settings.isVisible());
    EXPECT_EQ(windowTopInTwips(&settings), 2100);
    EXPECT_EQ(windowLeftInTwips(&settings), 4500);
    EXPECT_FALSE(form1Loaded() && form1().isVisible());

    settings.hide();
    Form1 &mainScreen = form1();
    mainScreen.show();
    help = openHelpFrom(mainScreen);
    moveWindowToTwips(help, 300, 1200);
    pressKey(help, Qt::Key_Escape);
    ASSERT_TRUE(discarded(help));
    EXPECT_TRUE(mainScreen.isVisible());
    EXPECT_FALSE(settings.isVisible());
    EXPECT_EQ(windowTopInTwips(&mainScreen), 300);
    EXPECT_EQ(windowLeftInTwips(&mainScreen), 1200);
}

TEST_F(HelpScreen, ShowsTheHelpTextReadOnlyFromTheTop)
{
    Form1 &mainScreen = form1();
    mainScreen.show();
    QPointer<Form4> help = openHelpFrom(mainScreen);
    auto *text = help->findChild<QPlainTextEdit *>(u"Text1"_s);
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->toPlainText(), helpText().replace(u"\r\n"_s, u"\n"_s));
    EXPECT_EQ(text->textCursor().position(), 0);
    EXPECT_EQ(help->findChild<QPlainTextEdit *>(u"Text2"_s)->focusPolicy(), Qt::NoFocus);
}

} // namespace
