// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/twips.h"
#include "screens/main/form1.h"
#include "screens/main/form11.h"
#include "screens/navigator.h"
#include "screens/settings/form2.h"
#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/fieldcodec.h"
#include "state/state.h"
#include "support/tolmitest.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// A customised template as customdata.csv holds it: the phrase on, two line breaks, no sign,
// titles of its own and filler that is not the default.
const QString customTemplateText = u"1,\"Ｌｖ＝\"\r\n"
                                   "2,\"今の体重, \"\r\n"
                                   "0,\"開始： \"\r\n"
                                   "0,\"目標： \"\r\n"
                                   "0,\"増減： \"\r\n"
                                   "0,\"\"\r\n"
                                   "7,\"abcdefghijk\"\r\n"
                                   "0,\"フィラー\"\r\n"
                                   "0,\"abcdefghijk\"\r\n"
                                   "0,\"abcdefghijk\"\r\n"
                                   "0,\"abcdefghijk\"\r\n"
                                   "0,\"abcdefghijk\"\r\n"
                                   "0,\"abcdefghijk\"\r\n"
                                   "0,\"abcdefghijk\"\r\n"
                                   "0,\"abcdefghijk\"\r\n"
                                   "0,\"abcdefghijk\"\r\n"
                                   "0,\"abcdefghijk\"\r\n"
                                   "0,\"abcdefghijk\"\r\n"
                                   "0,\"abcdefghijk\"\r\n"
                                   "-3,\"最後\"\r\n"_s;

// Types `text` into `box` one character at a time, as the keyboard (or an input method) does.
void type(QWidget *box, const QString &text)
{
    for (const char32_t c : text.toUcs4()) {
        const QString typed = QString::fromUcs4(&c, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, typed);
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
    }
}

class CopyCustomisation : public TolmiTest
{
protected:
    // A saved diet the main screen can show, 80 kg down to 78 kg, loaded into the settings screen
    // as at start-up.
    void SetUp() override
    {
        TolmiTest::SetUp();
        setupDone() = 1;
        startWeight() = 80;
        targetWeight() = 60;
        height() = 170;
        declarationDate() = serialFromDate(QDate(2008, 10, 17));
        const QByteArray log = yourDataBytes(
            2,
            [](qsizetype i) {
                return std::pair{i == 0 ? u"20081020"_s : u"20081017"_s,
                                 i == 0 ? u"78.0"_s : u"80.0"_s};
            },
            nullptr);
        ASSERT_FALSE(log.isEmpty());
        writeData(u"yourdata.csv"_s, log);
        form2();
    }

    // Puts `text` into customdata.csv and reads it into the template, as start-up does.
    QByteArray keepTemplate(const QString &text)
    {
        QByteArray bytes;
        EXPECT_TRUE(encodeCodePage(text, bytes));
        writeData(u"customdata.csv"_s, bytes);
        FieldReader reader(bytes);
        EXPECT_TRUE(readTemplate(reader));
        return bytes;
    }

    // Opens the dialog with the settings screen's コピー変更, the settings screen at 900, 1500.
    QPointer<Form11> openDialog()
    {
        Form2 &settings = form2();
        moveWindowToTwips(&settings, 900, 1500);
        settings.Command9->click();
        return visibleScreen<Form11>();
    }

    template <typename Control> static Control *control(QWidget *dialog, const QString &name)
    {
        auto *found = dialog->findChild<Control *>(name);
        EXPECT_NE(found, nullptr) << utf8(name);
        return found;
    }
    static QLineEdit *title(QWidget *dialog, int i)
    {
        return control<QLineEdit>(dialog, u"Text1(%1)"_s.arg(i));
    }
    static void click(QWidget *dialog, const QString &button)
    {
        QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
    }
    static void save(QPointer<Form11> &dialog)
    {
        click(dialog, u"Command1"_s);
        ASSERT_TRUE(discarded(dialog));
    }
};

TEST_F(CopyCustomisation, ShowsTheTemplateHeldInMemory)
{
    keepTemplate(customTemplateText);
    QPointer<Form11> dialog = openDialog();
    EXPECT_EQ(title(dialog, 0)->text(), u"Ｌｖ＝"_s);
    EXPECT_EQ(title(dialog, 1)->text(), u"今の体重, "_s);
    EXPECT_EQ(title(dialog, 5)->text(), QString());
    EXPECT_EQ(title(dialog, 0)->maxLength(), 100);
    EXPECT_TRUE(control<QCheckBox>(dialog, u"Check1"_s)->isChecked());
    EXPECT_TRUE(control<QRadioButton>(dialog, u"Option3"_s)->isChecked());
    EXPECT_FALSE(control<QCheckBox>(dialog, u"Check2"_s)->isChecked());
}

TEST_F(CopyCustomisation, BoxesAndOptionsReactAnywhereInTheirArea)
{
    resetTemplateToDefaults();
    QPointer<Form11> dialog = openDialog();
    // Far right in each control's area, well past its box and caption.
    for (QAbstractButton *button :
         {static_cast<QAbstractButton *>(control<QCheckBox>(dialog, u"Check1"_s)),
          static_cast<QAbstractButton *>(control<QRadioButton>(dialog, u"Option2"_s))}) {
        QTest::mouseClick(button, Qt::LeftButton, {},
                          QPoint(button->width() - 2, button->height() / 2));
        EXPECT_TRUE(button->isChecked()) << utf8(button->objectName());
    }
}

// Also a title longer than its box lets the user type, and one with a byte pair the code page
// leaves unassigned (shown as "〓〓", written back as the same bytes).
TEST_F(CopyCustomisation, SavingUnchangedRewritesTheSameTwentyRecords)
{
    const QByteArray before = keepTemplate(QString(customTemplateText)
                                               .replace(u"今の体重, "_s, QString(120, u'長'))
                                               .replace(u"Ｌｖ＝"_s, u"Ｌｖ\uF805\uF7C0"_s));
    ASSERT_TRUE(before.contains("\x85\x40"));
    writeData(u"customdata.csv"_s, "damaged");
    QPointer<Form11> dialog = openDialog();
    EXPECT_EQ(title(dialog, 0)->text(), u"Ｌｖ〓〓"_s);
    EXPECT_EQ(title(dialog, 1)->text().size(), 120);
    save(dialog);
    EXPECT_EQ(readData(u"customdata.csv"_s), before);
    EXPECT_TRUE(form2().isVisible());
}

TEST_F(CopyCustomisation, StoresEveryControlInTheTemplateAndTheFile)
{
    resetTemplateToDefaults();
    QPointer<Form11> dialog = openDialog();
    title(dialog, 1)->clear();
    title(dialog, 5)->setFocus();
    title(dialog, 5)->selectAll();
    type(title(dialog, 5), u"ひとこと,"_s);
    control<QCheckBox>(dialog, u"Check1"_s)->click();
    control<QRadioButton>(dialog, u"Option2"_s)->click();
    save(dialog);

    EXPECT_EQ(currentTitle(), QString());
    EXPECT_EQ(phraseTitle(), u"ひとこと,"_s);
    EXPECT_EQ(copyPhrase(), 1);
    EXPECT_EQ(trailingNewlines(), 1);
    EXPECT_EQ(showSign(), 1);
    const QString stored = decodeCodePage(readData(u"customdata.csv"_s));
    const QStringList lines = stored.split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 21); // twenty records, each ending in CR LF
    EXPECT_EQ(lines[0], u"1,\"レベル： \""_s);
    EXPECT_EQ(lines[1], u"1,\"\""_s);
    EXPECT_EQ(lines[2], u"1,\"開始： \""_s);
    EXPECT_EQ(lines[5], u"0,\"ひとこと,\""_s);
    EXPECT_EQ(lines[19], u"0,\"abcdefghijk\""_s);
}

TEST_F(CopyCustomisation, AnUnknownLineBreakCountOpensAsNoneAndIsSavedAsZero)
{
    QString text = customTemplateText;
    text.replace(u"2,\"今の体重"_s, u"5,\"今の体重"_s);
    keepTemplate(text);
    QPointer<Form11> dialog = openDialog();
    EXPECT_TRUE(control<QRadioButton>(dialog, u"Option1"_s)->isChecked());
    save(dialog);
    EXPECT_EQ(trailingNewlines(), 0);
    EXPECT_TRUE(readData(u"customdata.csv"_s).contains("\r\n0,\"\x8d\xa1")); // 0,"今
}

TEST_F(CopyCustomisation, CancelForgetsTheEdits)
{
    const QByteArray before = keepTemplate(customTemplateText);
    QPointer<Form11> dialog = openDialog();
    type(title(dialog, 0), u"abc"_s);
    control<QCheckBox>(dialog, u"Check2"_s)->click();
    control<QRadioButton>(dialog, u"Option1"_s)->click();
    pressKey(dialog, Qt::Key_Escape); // as キャンセル
    ASSERT_TRUE(discarded(dialog));

    EXPECT_TRUE(form2().isVisible());
    EXPECT_EQ(readData(u"customdata.csv"_s), before);
    EXPECT_EQ(levelTitle(), u"Ｌｖ＝"_s);
    dialog = openDialog();
    EXPECT_EQ(title(dialog, 0)->text(), u"Ｌｖ＝"_s);
    EXPECT_FALSE(control<QCheckBox>(dialog, u"Check2"_s)->isChecked());
    EXPECT_TRUE(control<QRadioButton>(dialog, u"Option3"_s)->isChecked());
}

TEST_F(CopyCustomisation, ClosingShowsTheSettingsScreenWhereItWas)
{
    keepTemplate(customTemplateText);
    QPointer<Form11> dialog = openDialog();
    moveWindowToTwips(dialog, 3000, 4500);
    moveWindowToTwips(&form2(), 0, 0); // as a window manager may put a window it let go of
    dialog->close();
    ASSERT_TRUE(discarded(dialog));
    EXPECT_TRUE(form2().isVisible());
    EXPECT_EQ(windowTopInTwips(&form2()), 900);
    EXPECT_EQ(windowLeftInTwips(&form2()), 1500);
}

TEST_F(CopyCustomisation, TitleBoxesRefuseWhatTheFileCannotHold)
{
    resetTemplateToDefaults();
    QPointer<Form11> dialog = openDialog();
    QLineEdit *box = title(dialog, 0);
    box->clear();
    type(box, u"a\"b😀c"_s);
    EXPECT_EQ(box->text(), u"abc"_s);

    for (const QString &pasted : {u"x\"y"_s, u"x😀y"_s, u"x\r\ny"_s, u"x\u0001\u009F\u200Fy"_s,
                                  u"x"_s + QChar(0) + u"y"_s}) {
        box->clear();
        QGuiApplication::clipboard()->setText(pasted);
        box->paste();
        EXPECT_EQ(box->text(), u"xy"_s) << utf8(pasted);
    }
    box->clear();
    QGuiApplication::clipboard()->setText(u"ｏｋ、ﾃｽﾄ～"_s);
    box->paste();
    EXPECT_EQ(box->text(), u"ｏｋ、ﾃｽﾄ～"_s);

    box->clear();
    type(box, QString(101, u'あ'));
    EXPECT_EQ(box->text(), QString(100, u'あ'));
}

TEST_F(CopyCustomisation, AFailedWriteIsReportedAndNothingIsTakenAsSaved)
{
    const QByteArray before = keepTemplate(customTemplateText);
    QFile::remove(dataPath(u"customdata.csv"_s));
    ASSERT_TRUE(QDir().mkdir(dataPath(u"customdata.csv"_s))); // a folder where the file belongs
    QPointer<Form11> dialog = openDialog();
    type(title(dialog, 0), u"abc"_s);
    click(dialog, u"Command1"_s);

    const QStringList messages = fake.takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(u"コピーの設定を保存できませんでした。"_s));
    EXPECT_FALSE(dialog.isNull());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(levelTitle(), u"Ｌｖ＝"_s); // the template in memory stays as on disk
    EXPECT_EQ(title(dialog, 0)->text(), u"Ｌｖ＝abc"_s);
}

// The change line follows the sign option as soon as the template is saved.
TEST_F(CopyCustomisation, TheSignOptionReachesTheMainScreenAtOnce)
{
    resetTemplateToDefaults();
    RefreshMainScreen();
    EXPECT_TRUE(form1().Label1[11]->text().startsWith(u"-2.0 kg "_s));

    QPointer<Form11> dialog = openDialog();
    control<QCheckBox>(dialog, u"Check2"_s)->click();
    save(dialog);
    EXPECT_TRUE(form1().Label1[11]->text().startsWith(u"2.0 kg "_s))
        << utf8(form1().Label1[11]->text());
    EXPECT_FALSE(form1().isVisible());
}

} // namespace
