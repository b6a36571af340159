// SPDX-License-Identifier: GPL-3.0-or-later
// The main screen: its pictures, its load, the copy and web buttons, the screens it opens and the
// save when it is closed.

#include "engine/levels.h"
#include "engine/objects.h"
#include "engine/phrasetable.h"
#include "platform/twips.h"
#include "screens/launch.h"
#include "screens/main/form1.h"
#include "screens/main/form3.h"
#include "screens/main/form4.h"
#include "screens/navigator.h"
#include "screens/settings/form2.h"
#include "state/datafiles.h"
#include "state/state.h"
#include "state/weightlog.h"
#include "support/samplediet.h"
#include "support/tolmitest.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class Form1Test : public TolmiTest
{
protected:
    void SetUp() override
    {
        TolmiTest::SetUp();
        writeData(u"yourdata.csv"_s, dietFile);
        loadDataFilesWithRecovery(fake.now);
    }

    // The main screen and the settings screen loaded as start-up loads them, the main screen shown
    // at the saved position.
    Form1 &showMainScreen()
    {
        Form1 &screen = form1();
        form2();
        moveWindowToTwips(&screen, windowTop(), windowLeft());
        screen.show();
        return screen;
    }

    void click(const char *button)
    {
        QPushButton *control = form1().findChild<QPushButton *>(QString::fromLatin1(button));
        ASSERT_NE(control, nullptr);
        QTest::mouseClick(control, Qt::LeftButton);
    }

    // Puts the six captions on the screen as a refresh would.
    void setCaptions()
    {
        Form1 &screen = form1();
        screen.Label1[0]->setText(u"アフリカゾウ"_s);
        screen.Label1[1]->setText(u"78.0 kg (08年10月20日) bmi27.0"_s);
        screen.Label1[2]->setText(u"80.0 kg (08年10月17日) bmi27.7"_s);
        screen.Label1[3]->setText(u"60.0 kg (目標達成率 10.0 %)"_s);
        screen.Label1[11]->setText(u"-2.0 kg アイアイ"_s);
        screen.Label1[4]->setText(u"一歩ずつ"_s);
    }

    QString copied()
    {
        click("Command1");
        return QGuiApplication::clipboard()->text();
    }
};

QColor pixel(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

bool holdsColour(const QImage &image, QColor colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

TEST_F(Form1Test, PicturesAreChicksOnATransparentBackground)
{
    // Each picture is drawn for scale 1 and, twice as large, for scale 2.
    for (const auto &[suffix, size] :
         {std::pair(u""_s, QSize(30, 29)), std::pair(u"@2x"_s, QSize(60, 58))}) {
        const QImage bright(u":/pictures/chick"_s + suffix + u".xpm"_s);
        const QImage dim(u":/pictures/chick-dim"_s + suffix + u".xpm"_s);
        ASSERT_FALSE(bright.isNull()) << suffix.toStdString();
        ASSERT_FALSE(dim.isNull()) << suffix.toStdString();
        EXPECT_EQ(bright.size(), size);
        EXPECT_EQ(dim.size(), size);
        EXPECT_EQ(pixel(bright, 0, 0).alpha(), 0);
        EXPECT_EQ(pixel(dim, size.width() - 1, size.height() - 1).alpha(), 0);
        EXPECT_TRUE(holdsColour(bright, QColor(240, 234, 33)));
        EXPECT_FALSE(holdsColour(dim, QColor(240, 234, 33)));
        EXPECT_TRUE(holdsColour(dim, QColor(163, 143, 108)));
        // The shadow has the chick's outline: the same pixels are transparent in both.
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                ASSERT_EQ(pixel(bright, x, y).alpha(), pixel(dim, x, y).alpha()) << x << "," << y;
    }
}

TEST_F(Form1Test, LayoutAndTexts)
{
    Form1 &screen = form1();
    EXPECT_EQ(screen.windowTitle(), u" トルミ式 - zunoko"_s);
    EXPECT_EQ(screen.size(), QSize(373, 220));
    const std::pair<const char *, QString> buttons[] = {{"Command1", u"コピー"_s},
                                                        {"Command2", u"ＷＥＢ"_s},
                                                        {"Command3", u"●○"_s},
                                                        {"Command5", u"ヘルプ"_s},
                                                        {"Command4", u"入力"_s}};
    for (const auto &[name, caption] : buttons) {
        auto *button = screen.findChild<QPushButton *>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), caption);
    }
    EXPECT_EQ(screen.findChild<QLabel *>(u"Label5"_s)->text(), u"目標"_s);
    EXPECT_EQ(accessibleName(screen.Label1[11]), u"増減"_s);
    EXPECT_EQ(accessibleName(screen.Image1[5]), u"進み具合 6／6：ヒヨコ"_s);
    EXPECT_EQ(accessibleName(screen.Image1[6]), u"進み具合 1／6：ヒヨコの影"_s);
    EXPECT_EQ(accessibleName(screen.Command2), u"ＷＥＢ"_s);
    EXPECT_EQ(screen.findChild<QLabel *>(u"Label1(11)"_s)->geometry(), QRect(41, 143, 284, 17));
    EXPECT_EQ(screen.findChild<QLabel *>(u"Label1(10)"_s)->geometry(), QRect(38, 135, 289, 27));
    EXPECT_EQ(screen.Label2->palette().color(QPalette::WindowText), QColor(128, 128, 128));
}

// Every text a line can be given is measured in the font the line really uses, as resolved on
// this machine, against the line's width: a text that does not fit is cut off on screen.
TEST_F(Form1Test, EveryTextALineCanShowFitsItsLine)
{
    Form1 &screen = form1();
    struct Line
    {
        int element;    // of Label1
        QString prefix; // what the refresh puts before each text
        QStringList texts;
    };
    Line level{0, {}, {}};
    for (int mode = 0; mode <= 6; ++mode)
        for (int sex = 0; sex <= (mode == 2 ? 1 : 0); ++sex)
            for (const char16_t *name : *levelNameTable(mode, sex))
                level.texts << QString::fromUtf16(name);
    // The widest amount of a realistic diet (999.9 kg lost, shown with its sign), as the refresh
    // writes it before any object or cheer.
    const ChangeLine widest = changeLine(1000.0, 0.1, 1, [] { return 0.0; });
    Line change{
        11,
        widest.text.chopped(QString::fromUtf16(WeightObjectTable[widest.row].objectName).size()),
        {}};
    ASSERT_EQ(change.prefix, u"-999.9 kg "_s);
    for (const WeightObject &row : WeightObjectTable)
        change.texts << QString::fromUtf16(row.objectName);
    Line phrase{4, {}, {}};
    for (const char16_t *text : PhraseTable)
        phrase.texts << QString::fromUtf16(text);

    for (const Line &line : {level, change, phrase}) {
        const QLabel *label = screen.Label1[line.element];
        const QFontMetrics metrics(label->font());
        const int width = label->contentsRect().width();
        ASSERT_EQ(width, 284);
        for (qsizetype i = 0; i < line.texts.size(); ++i) {
            const QString text = line.prefix + line.texts[i];
            EXPECT_LE(metrics.horizontalAdvance(text), width)
                << "Label1(" << line.element << ") entry " << i << ": " << utf8(text) << " is "
                << metrics.horizontalAdvance(text) << " px";
        }
    }
}

TEST_F(Form1Test, LoadRereadsTheHeaderAppliesColoursAndDimsTheColumn)
{
    textColour() = 0; // the file's 255 and 16711680 must win
    backColour() = 0;
    Form1 &screen = form1();
    EXPECT_EQ(textColour(), 255);
    for (QLabel *label : screen.Label1) {
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(0, 0, 255));
    }
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(screen.Image1[i + 6]->pos(), screen.Image1[i]->pos());
        EXPECT_TRUE(screen.Image1[i]->isHidden());
        EXPECT_FALSE(screen.Image1[i + 6]->isHidden());
    }
    EXPECT_EQ(screen.Image1[0]->pos(), QPoint(336, 165));
    EXPECT_EQ(screen.Image1[5]->pos(), QPoint(336, 5));
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(Form1Test, UnreadableFileAtLoadKeepsTheValuesInMemory)
{
    writeData(u"yourdata.csv"_s, "1,80\r\n0,6");
    Form1 &screen = form1();
    EXPECT_EQ(textColour(), 255);
    EXPECT_EQ(targetWeight(), 60);
    EXPECT_EQ(screen.Label1[0]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(Form1Test, SecondInstanceIsRefusedAndEnded)
{
    const QString folder = QDir::toNativeSeparators(dataDirectory());
    const std::pair<InstanceCheck, QString> cases[] = {
        {{InstanceCheck::AnotherCopyRunning, {}}, u"プログラムは既に起動されています。"_s},
        {{InstanceCheck::FolderUnguarded, u"Permission denied"_s},
         u"データフォルダをロックできないため、起動できません。\nフォルダ: "_s + folder +
             u"\n理由: Permission denied"_s},
    };
    for (const auto &[check, message] : cases) {
        fake.instanceCheck = check;
        form1();
        EXPECT_EQ(fake.checkedFolders.takeLast(), dataDirectory());
        EXPECT_EQ(fake.takeMessages(), QStringList{message});
        EXPECT_EQ(readData(u"yourdata.csv"_s), dietFile);
        unloadAllScreens();
    }
    EXPECT_EQ(fake.terminations, 2);
}

TEST_F(Form1Test, CopyWithTheDefaultTemplateGivesFiveLines)
{
    showMainScreen();
    setCaptions();
    EXPECT_EQ(utf8(copied()), utf8(u"レベル： アフリカゾウ\r\n"
                                   u"現在： 78.0 kg (08年10月20日) bmi27.0\r\n"
                                   u"開始： 80.0 kg (08年10月17日) bmi27.7\r\n"
                                   u"目標： 60.0 kg (目標達成率 10.0 %)\r\n"
                                   u"増減： -2.0 kg アイアイ"_s));
}

TEST_F(Form1Test, CopyWithThePhraseAndLineBreaksUsesTitlesAsStored)
{
    copyPhrase() = 1;
    trailingNewlines() = 2;
    levelTitle() = u"Lv, "_s;
    currentTitle() = u"\uF805\uF7C0\t"_s; // a byte pair that did not decode, and a tab
    showMainScreen();
    setCaptions();
    const QString text = copied();
    EXPECT_TRUE(text.startsWith(u"Lv, アフリカゾウ\r\n〓〓〓78.0"_s)) << utf8(text);
    EXPECT_TRUE(text.endsWith(u"アイアイ\r\n一言： 一歩ずつ\r\n\r\n"_s)) << utf8(text);

    trailingNewlines() = 1;
    EXPECT_TRUE(copied().endsWith(u"一歩ずつ\r\n"_s));
}

// A spreadsheet's save: flags the program never writes and titles without quotes, whose blanks at
// the end belong to them.
TEST_F(Form1Test, CopyTakesAHandEditedTemplateAsTheFileHoldsIt)
{
    ASSERT_TRUE(writeDefaultTemplateFile());
    QList<QByteArray> lines = readData(u"customdata.csv"_s).split('\n');
    lines[0].replace(0, 1, "2"); // copyPhrase
    lines[1].replace(0, 1, "3"); // trailingNewlines
    for (QByteArray &line : lines)
        line.replace('"', "");
    writeData(u"customdata.csv"_s, lines.join('\n'));
    loadDataFilesWithRecovery(fake.now);
    ASSERT_EQ(copyPhrase(), 2);
    ASSERT_EQ(trailingNewlines(), 3);
    showMainScreen();
    setCaptions();
    const QString text = copied();
    EXPECT_TRUE(text.startsWith(u"レベル： アフリカゾウ\r\n"_s)) << utf8(text);
    EXPECT_TRUE(text.endsWith(u"増減： -2.0 kg アイアイ"_s)) << utf8(text);
    EXPECT_EQ(text.count(u"\r\n"_s), 4);
}

TEST_F(Form1Test, WebOpensTheAddressAndReportsAFailure)
{
    showMainScreen();
    // An address that names its scheme, as a browser's address bar gives it, opens as it stands;
    // bytes that did not decode go to the browser as they stood in the file.
    fake.openResults = {true, true, true, true, false};
    for (const QString &stored :
         {u"https://example.com/diet"_s, u"HTTP://example.com"_s, u"ftp://example.com"_s,
          u" example.jp/a b \uF805\uF7C0"_s, QString()}) {
        webAddress() = stored;
        click("Command2");
    }
    EXPECT_EQ(fake.openedAddresses,
              (QStringList{u"https://example.com/diet"_s, u"HTTP://example.com"_s,
                           u"http://ftp://example.com"_s, u"http:// example.jp/a b %85%40"_s,
                           u"http://"_s}));
    EXPECT_EQ(
        fake.takeMessages(),
        QStringList{
            u"エラーです。ネットワークの接続や、フォルダオプションの関連付けなどを確認してください"_s});
}

TEST_F(Form1Test, OpenedScreensTakeTheMainScreensPlace)
{
    Form1 &screen = showMainScreen();
    moveWindowToTwips(&screen, 3000, 4500);

    settingsDirty = 1;
    click("Command4");
    EXPECT_EQ(settingsDirty, 0);
    EXPECT_TRUE(form2().isVisible());
    EXPECT_EQ(form2().pos(), QPoint(300, 200));
    EXPECT_FALSE(screen.isVisible());
    form2().hide();

    screen.show();
    screen.Command3->setFocus();
    pressKey(&screen, Qt::Key_Return); // the focused button
    Form3 *wins = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *form = qobject_cast<Form3 *>(window))
            wins = form;
    ASSERT_NE(wins, nullptr);
    EXPECT_TRUE(wins->isVisible());
    EXPECT_EQ(wins->pos(), QPoint(300, 200));
    EXPECT_FALSE(screen.isVisible());
    wins->hide();

    screen.show();
    pressKey(&screen, Qt::Key_F1);
    Form4 *help = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *form = qobject_cast<Form4 *>(window))
            help = form;
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->pos(), QPoint(300, 200));
    EXPECT_EQ(helpReturnTo, 1);
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(Form1Test, AScreenThatReplacesAnotherIgnoresClicksForTheDoubleClickInterval)
{
    showMainScreen();
    QApplication::setDoubleClickInterval(300);
    click("Command4"); // the first click of a double-click on 入力
    Form2 &settings = form2();
    const int entries = weightLog().entryCount();
    QTest::mouseClick(settings.Command1, Qt::LeftButton); // its second click, on 新規
    EXPECT_EQ(weightLog().entryCount(), entries);
    QTest::keyClick(settings.Command1, Qt::Key_Space); // the keyboard is not held back
    EXPECT_EQ(weightLog().entryCount(), entries + 1);
    QTest::qWait(QApplication::doubleClickInterval());
    QTest::mouseClick(settings.Command3, Qt::LeftButton); // 削除, of the new row
    QApplication::setDoubleClickInterval(0);
    EXPECT_EQ(weightLog().entryCount(), entries);
}

TEST_F(Form1Test, AnEndWithoutTheCloseBoxSavesFromTheMainScreenOnly)
{
    Form1 &screen = showMainScreen();
    click("Command4");
    form2().Text5->setText(u"65.5"_s); // not confirmed on the settings screen
    endOnRequest();
    EXPECT_EQ(readData(u"yourdata.csv"_s), dietFile);
    EXPECT_TRUE(form2().isVisible());

    form2().hide();
    screen.show();
    moveWindowToTwips(&screen, 3000, 4500);
    endOnRequest(); // as the close box: the exit save
    EXPECT_FALSE(screen.isVisible());
    const QList<QByteArray> lines = readData(u"yourdata.csv"_s).split('\n');
    EXPECT_EQ(lines[4], "3000,100\r");
}

TEST_F(Form1Test, ClosingSavesTheSettingsScreenAndThePosition)
{
    Form1 &screen = showMainScreen();
    Form2 &settings = form2();
    settings.Text5->setText(u"65.5"_s);
    settings.Text7->setText(u"example.jp"_s);
    settings.Combo1->setCurrentIndex(settings.Combo1->findText(u" アリス"_s));
    settings.Option2->setChecked(true);
    settings.Check1->setChecked(true);
    settings.Text8->setText(u"30.5"_s); // a fraction rounds half to even
    weightLog().insertBlankEntry(1);
    weightLog().setEntry(1, u"20081021"_s, u"77.5"_s);
    moveWindowToTwips(&screen, 3000, 4500);

    screen.close();

    EXPECT_EQ(readData(u"yourdata.csv"_s), QByteArray("1,80\r\n"
                                                      "1,65.5\r\n"
                                                      "0,170\r\n"
                                                      "6,100\r\n"
                                                      "3000,100\r\n"
                                                      "4500,\"example.jp\"\r\n"
                                                      "255,\"URL2\"\r\n"
                                                      "16711680,#2008-10-17#\r\n"
                                                      "30,#2008-01-02#\r\n"
                                                      "#2008-10-21#,77.5\r\n"
                                                      "#2008-10-20#,78\r\n"
                                                      "#2008-10-17#,80\r\n"));
    EXPECT_FALSE(form2Loaded());
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(Form1Test, ClosingKeepsTheLevelModeForAnUnknownListText)
{
    Form1 &screen = showMainScreen();
    levelMode() = 2;
    form2().Combo1->setEditText(u"アリス"_s); // without the leading blank
    screen.close();
    const QList<QByteArray> lines = readData(u"yourdata.csv"_s).split('\n');
    EXPECT_EQ(lines[3], "2,100\r");
}

// A disk that takes no more than a few bytes: writing a file fails, for root too.
class FileSizeLimit
{
public:
    FileSizeLimit()
    {
        getrlimit(RLIMIT_FSIZE, &previous);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = previous;
        tiny.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }

private:
    rlimit previous{};
    void (*previousHandler)(int) = nullptr;
};

TEST_F(Form1Test, AFailedSaveAtExitIsReportedAndTheUserMayGoBack)
{
    Form1 &screen = showMainScreen();
    weightLog().insertBlankEntry(1);
    weightLog().setEntry(1, u"20081021"_s, u"77.5"_s);
    {
        FileSizeLimit full;
        fake.answers = {false}; // back to the main window
        screen.close();
    }
    EXPECT_EQ(readData(u"yourdata.csv"_s), dietFile);
    const QStringList messages = fake.takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(dataPath(u"yourdata.csv"_s))))
        << utf8(messages[0]);
    EXPECT_EQ(fake.questions.size(), 1);
    EXPECT_TRUE(screen.isVisible());
    ASSERT_TRUE(form2Loaded());
    EXPECT_EQ(weightLog().entryCount(), 3);

    screen.close(); // the disk has room again
    EXPECT_TRUE(readData(u"yourdata.csv"_s).contains("#2008-10-21#,77.5\r\n"));
    EXPECT_FALSE(form2Loaded());
}

TEST_F(Form1Test, AVanishedDataDirectoryAtExitMayEndWithoutSaving)
{
    Form1 &screen = showMainScreen();
    ASSERT_TRUE(QDir(dataPath(QString())).removeRecursively());
    QFile plain(directory.path() + u"/tolmidata"_s);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    fake.answers = {true}; // end without saving
    screen.close();
    EXPECT_EQ(fake.takeMessages().size(), 1);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_FALSE(form2Loaded());
}
