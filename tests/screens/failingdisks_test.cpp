// SPDX-License-Identifier: GPL-3.0-or-later
// Writes that fail in ways root meets too: a tolmidata that has become a plain file, the directory
// removed while the program runs, a disk that takes no more bytes (a file size limit) and a full
// file system (a tiny one mounted over tolmidata, where mounting is allowed). Each writer is driven
// through its screen: the user is told why, the files on disk stay as they were byte for byte, the
// screen does not go on as if it had saved, and once the disk is well again the same button saves
// what the user had.

#include "screens/launch.h"
#include "screens/main/form1.h"
#include "screens/main/form11.h"
#include "screens/navigator.h"
#include "screens/settings/form2.h"
#include "screens/settings/form7.h"
#include "screens/wizard/form10.h"
#include "screens/wizard/form5.h"
#include "screens/wizard/form6.h"
#include "state/datafiles.h"
#include "state/state.h"
#include "state/weightlog.h"
#include "support/samplediet.h"
#include "support/tolmitest.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <map>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Failure
{
    PlainFile,
    RemovedDirectory,
    FileSizeLimit,
    FullFileSystem
};
enum class Writer
{
    StartUp,
    ExitSave,
    SettingsSave,
    WizardStart,
    TemplateSave
};

const char *nameOf(Failure failure)
{
    switch (failure) {
    case Failure::PlainFile:
        return "PlainFile";
    case Failure::RemovedDirectory:
        return "RemovedDirectory";
    case Failure::FileSizeLimit:
        return "FileSizeLimit";
    case Failure::FullFileSystem:
        return "FullFileSystem";
    }
    return "";
}

const char *nameOf(Writer writer)
{
    switch (writer) {
    case Writer::StartUp:
        return "StartUp";
    case Writer::ExitSave:
        return "ExitSave";
    case Writer::SettingsSave:
        return "SettingsSave";
    case Writer::WizardStart:
        return "WizardStart";
    case Writer::TemplateSave:
        return "TemplateSave";
    }
    return "";
}

// Makes every write into tolmidata fail, and lets writes succeed again.
class DiskFault
{
public:
    DiskFault(Failure failure, QString dataDirectory)
        : failure(failure), directory(std::move(dataDirectory))
    {
    }
    ~DiskFault()
    {
        end();
        if (mounted)
            umount2(QFile::encodeName(directory).constData(), MNT_DETACH);
    }

    // Before any data file is written: the full file system is mounted where tolmidata is.
    // False (with the reason) when this machine cannot simulate the failure.
    bool prepare(std::string &unavailable)
    {
        if (failure != Failure::FullFileSystem)
            return true;
        if (mount("tmpfs", QFile::encodeName(directory).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                  "size=16k,mode=755") != 0) {
            unavailable =
                std::string("a small file system cannot be mounted here: ") + std::strerror(errno);
            return false;
        }
        mounted = true;
        return true;
    }

    void begin()
    {
        switch (failure) {
        case Failure::PlainFile: {
            ASSERT_TRUE(QDir(directory).removeRecursively());
            QFile plain(directory);
            ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
            plain.write("not a directory");
            break;
        }
        case Failure::RemovedDirectory:
            ASSERT_TRUE(QDir(directory).removeRecursively());
            break;
        case Failure::FileSizeLimit: {
            getrlimit(RLIMIT_FSIZE, &previousLimit);
            previousHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit tiny = previousLimit;
            tiny.rlim_cur = 16;
            setrlimit(RLIMIT_FSIZE, &tiny);
            break;
        }
        case Failure::FullFileSystem:
            fillUp();
            break;
        }
        begun = true;
    }

    void end()
    {
        if (!begun)
            return;
        begun = false;
        switch (failure) {
        case Failure::PlainFile:
            QFile::remove(directory);
            QDir().mkdir(directory);
            break;
        case Failure::RemovedDirectory:
            QDir().mkdir(directory);
            break;
        case Failure::FileSizeLimit:
            setrlimit(RLIMIT_FSIZE, &previousLimit);
            std::signal(SIGXFSZ, previousHandler);
            break;
        case Failure::FullFileSystem:
            QFile::remove(fillerPath());
            break;
        }
    }

    // What the system says about such a write: the message must pass it on.
    QString reason() const
    {
        const int code = failure == Failure::PlainFile          ? ENOTDIR
                         : failure == Failure::RemovedDirectory ? ENOENT
                         : failure == Failure::FileSizeLimit    ? EFBIG
                                                                : ENOSPC;
        return QString::fromLocal8Bit(std::strerror(code));
    }

    // Whether the files written before the failure are still there to be compared.
    bool keepsTheFiles() const
    {
        return failure == Failure::FileSizeLimit || failure == Failure::FullFileSystem;
    }

private:
    QString fillerPath() const { return directory + u"/filler"_s; }

    void fillUp()
    {
        const int fd =
            ::open(QFile::encodeName(fillerPath()).constData(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        const char block[4096] = {};
        while (::write(fd, block, sizeof block) > 0) {
        }
        const int error = errno;
        ::close(fd);
        ASSERT_EQ(error, ENOSPC);
    }

    Failure failure;
    QString directory;
    bool mounted = false;
    bool begun = false;
    rlimit previousLimit{};
    void (*previousHandler)(int) = nullptr;
};

// Everything below the working directory: relative path to contents ("<dir>" for a directory).
std::map<QString, QByteArray> filesBelow(const QString &root)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files[QDir(root).relativeFilePath(path)] =
            it.fileInfo().isDir() ? QByteArray("<dir>")
                                  : (file.open(QIODevice::ReadOnly) ? file.readAll() : "<unread>");
    }
    return files;
}

// Clicks a button of the shown screen of that kind; fails the test when none is shown.
template <typename Screen> void clickOn(QPushButton *Screen::*button)
{
    Screen *screen = visibleScreen<Screen>();
    ASSERT_NE(screen, nullptr) << "no " << Screen::staticMetaObject.className() << " is shown";
    QTest::mouseClick(screen->*button, Qt::LeftButton);
}

struct Case
{
    Writer writer;
    Failure failure;
};

void PrintTo(const Case &c, std::ostream *out)
{
    *out << nameOf(c.writer) << " on " << nameOf(c.failure);
}

class FailingDisks : public TolmiTest, public ::testing::WithParamInterface<Case>
{
protected:
    void SetUp() override
    {
        TolmiTest::SetUp();
        fault.emplace(GetParam().failure, directory.path() + u"/tolmidata"_s);
        std::string unavailable;
        if (!fault->prepare(unavailable))
            GTEST_SKIP() << unavailable;
    }

    void TearDown() override
    {
        fault.reset();
        TolmiTest::TearDown();
    }

    // A declared diet on disk, started as the program starts: the main screen is shown.
    void startWithADiet()
    {
        writeData(u"yourdata.csv"_s, dietFile);
        startProgram();
        ASSERT_TRUE(form1().isVisible());
    }

    static void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    // The steps of one writer: what leads up to it, the press that writes, the check that the
    // screen did not go on as after a save, and the check of a second press once the disk is well.
    struct Steps
    {
        QString wording; // the message says this and the system's reason
        bool namesTheFile = false;
        std::function<void()> prepare, write, expectNothingTakenAsSaved, expectSavedOnRetry;
    };

    Steps stepsOf(Writer writer)
    {
        switch (writer) {
        case Writer::StartUp:
            return {u"データファイルを作成できませんでした。"_s,
                    true,
                    [this] {
                        writeData(u"yourdata.csv"_s, dietFile.left(30)); // five lines: unreadable
                        writeData(u"customdata.csv"_s, "garbage");
                    },
                    [] { startProgram(); },
                    [] { EXPECT_NE(visibleScreen<Form5>(), nullptr) << "start-up carries on"; },
                    [this] {
                        unloadAllScreens();
                        for (QWidget *window : QApplication::topLevelWidgets())
                            delete window;
                        resetState();
                        startProgram();
                        EXPECT_EQ(readData(u"yourdata.csv"_s).count('\n'), 10);
                        EXPECT_EQ(readData(u"customdata.csv"_s).count('\n'), 20);
                    }};
        case Writer::ExitSave:
            return {u"データを保存できませんでした。"_s,
                    true,
                    [this] {
                        startWithADiet();
                        weightLog().insertBlankEntry(1);
                        weightLog().setEntry(1, u"20081021"_s, u"77.5"_s);
                    },
                    [this] {
                        fake.answers = {false}; // back to the main screen
                        form1().close();
                    },
                    [this] {
                        EXPECT_EQ(fake.questions.size(), 1);
                        EXPECT_TRUE(form1().isVisible());
                        ASSERT_TRUE(form2Loaded());
                        EXPECT_EQ(weightLog().entryCount(), 3);
                    },
                    [this] {
                        form1().close();
                        EXPECT_FALSE(form2Loaded());
                        EXPECT_TRUE(readData(u"yourdata.csv"_s).contains("#2008-10-21#,77.5\r\n"));
                    }};
        case Writer::SettingsSave:
            return {u"データを保存できませんでした。"_s,
                    true,
                    [this] {
                        startWithADiet();
                        click(form1().Command4);
                        form2().Text5->setText(u"65.5"_s);
                        click(form2().Command6);
                        ASSERT_NE(visibleScreen<Form7>(), nullptr);
                    },
                    [] { clickOn(&Form7::Command1); },
                    [] {
                        EXPECT_NE(visibleScreen<Form7>(), nullptr);
                        EXPECT_FALSE(form1().isVisible());
                        EXPECT_EQ(settingsDirty, 1);
                    },
                    [this] {
                        ASSERT_NO_FATAL_FAILURE(clickOn(&Form7::Command1));
                        EXPECT_TRUE(form1().isVisible());
                        EXPECT_EQ(readData(u"yourdata.csv"_s).split('\n').value(1), "0,65.5\r");
                    }};
        case Writer::WizardStart:
            return {u"ダイエットを始められませんでした"_s,
                    false,
                    [] {
                        startProgram();
                        Form5 *page1 = visibleScreen<Form5>();
                        ASSERT_NE(page1, nullptr);
                        QTest::keyClicks(page1->Text1, u"80"_s);
                        QTest::keyClicks(page1->Text2, u"70"_s);
                        QTest::keyClicks(page1->Text3, u"170"_s);
                        click(page1->Command1);
                        ASSERT_NO_FATAL_FAILURE(clickOn(&Form10::Command1));
                        ASSERT_NE(visibleScreen<Form6>(), nullptr);
                    },
                    [] { clickOn(&Form6::Command1); },
                    [] {
                        EXPECT_NE(visibleScreen<Form6>(), nullptr);
                        EXPECT_FALSE(form1Loaded());
                    },
                    [this] {
                        ASSERT_NO_FATAL_FAILURE(clickOn(&Form6::Command1));
                        EXPECT_TRUE(form1Loaded() && form1().isVisible());
                        EXPECT_TRUE(readData(u"yourdata.csv"_s).startsWith("1,80\r\n"));
                    }};
        case Writer::TemplateSave:
            return {u"コピーの設定を保存できませんでした。"_s,
                    false,
                    [this] {
                        startWithADiet();
                        click(form1().Command4);
                        click(form2().Command9);
                        ASSERT_NE(visibleScreen<Form11>(), nullptr);
                        visibleScreen<Form11>()->Text1[0]->setText(u"Lv= "_s);
                    },
                    [] { clickOn(&Form11::Command1); },
                    [] {
                        EXPECT_NE(visibleScreen<Form11>(), nullptr);
                        EXPECT_EQ(utf8(levelTitle()), utf8(u"レベル： "_s));
                    },
                    [this] {
                        ASSERT_NO_FATAL_FAILURE(clickOn(&Form11::Command1));
                        EXPECT_EQ(visibleScreen<Form11>(), nullptr);
                        EXPECT_TRUE(readData(u"customdata.csv"_s).startsWith("0,\"Lv= \"\r\n"));
                    }};
        }
        return {};
    }

    std::optional<DiskFault> fault;
};

TEST_P(FailingDisks, TheUserIsToldAndTheFilesStayAsTheyWere)
{
    const Steps steps = stepsOf(GetParam().writer);
    ASSERT_NO_FATAL_FAILURE(steps.prepare());
    ASSERT_NO_FATAL_FAILURE(fault->begin());
    const std::map<QString, QByteArray> before = filesBelow(directory.path());
    steps.write();
    const std::map<QString, QByteArray> after = filesBelow(directory.path());
    fault->end();

    const QStringList messages = fake.takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(steps.wording)) << utf8(messages[0]);
    EXPECT_TRUE(messages[0].contains(fault->reason()))
        << utf8(messages[0]) << "\nshould say: " << utf8(fault->reason());
    if (steps.namesTheFile) {
        EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(dataPath(u""_s))))
            << utf8(messages[0]);
    }

    if (GetParam().writer == Writer::StartUp) {
        // The unreadable files are kept aside whole; nothing takes their place.
        std::map<QString, QByteArray> kept = before;
        if (fault->keepsTheFiles()) {
            for (const char *name : {"yourdata.csv", "customdata.csv"}) {
                const QString path = u"tolmidata/"_s + QLatin1StringView(name);
                kept[path + u".unreadable-20081020-120000"_s] = kept[path];
                kept.erase(path);
            }
        }
        EXPECT_EQ(after, kept);
    } else {
        EXPECT_EQ(after, before);
    }
    steps.expectNothingTakenAsSaved();

    steps.expectSavedOnRetry();
    EXPECT_TRUE(fake.takeMessages().isEmpty());
}

// The pairs of writer and failure that the screens' own tests do not try: the exit save on a plain
// file and on a file size limit, and the settings save on a plain file, are tried there. A plain
// file in place of tolmidata at start-up is no failure of a write: start-up finds it before it
// writes and ends (Launch).
const Case cases[] = {
    {Writer::StartUp, Failure::FileSizeLimit},
    {Writer::StartUp, Failure::FullFileSystem},
    {Writer::ExitSave, Failure::RemovedDirectory},
    {Writer::ExitSave, Failure::FullFileSystem},
    {Writer::SettingsSave, Failure::RemovedDirectory},
    {Writer::SettingsSave, Failure::FileSizeLimit},
    {Writer::SettingsSave, Failure::FullFileSystem},
    {Writer::WizardStart, Failure::PlainFile},
    {Writer::WizardStart, Failure::RemovedDirectory},
    {Writer::WizardStart, Failure::FileSizeLimit},
    {Writer::WizardStart, Failure::FullFileSystem},
    {Writer::TemplateSave, Failure::PlainFile},
    {Writer::TemplateSave, Failure::RemovedDirectory},
    {Writer::TemplateSave, Failure::FileSizeLimit},
    {Writer::TemplateSave, Failure::FullFileSystem},
};

INSTANTIATE_TEST_SUITE_P(EveryWriter, FailingDisks, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<Case> &info) {
                             return std::string(nameOf(info.param.writer)) + "_" +
                                    nameOf(info.param.failure);
                         });

class WizardStartHalfway : public TolmiTest
{
};

// The wizard's start writes two files. When the template cannot be written, yourdata.csv must not
// declare the diet either: the next start would open a main screen the user was told had not
// been started.
TEST_F(WizardStartHalfway, AFailedTemplateLeavesTheDietUndeclared)
{
    startProgram();
    const QByteArray undeclared = readData(u"yourdata.csv"_s);
    Form5 *page1 = visibleScreen<Form5>();
    ASSERT_NE(page1, nullptr);
    QTest::keyClicks(page1->Text1, u"80"_s);
    QTest::keyClicks(page1->Text2, u"70"_s);
    QTest::keyClicks(page1->Text3, u"170"_s);
    QTest::mouseClick(page1->Command1, Qt::LeftButton);
    ASSERT_NO_FATAL_FAILURE(clickOn(&Form10::Command1));
    Form6 *page3 = visibleScreen<Form6>();
    ASSERT_NE(page3, nullptr);
    // A folder where the template belongs cannot be replaced by a file.
    ASSERT_TRUE(QFile::remove(dataPath(u"customdata.csv"_s)));
    ASSERT_TRUE(QDir().mkpath(dataPath(u"customdata.csv/inside"_s)));

    QTest::mouseClick(page3->Command1, Qt::LeftButton);

    const QStringList messages = fake.takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(u"ダイエットを始められませんでした"_s)) << utf8(messages[0]);
    EXPECT_EQ(readData(u"yourdata.csv"_s), undeclared);
    EXPECT_FALSE(form1Loaded());
}

} // namespace
