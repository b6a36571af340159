// SPDX-License-Identifier: GPL-3.0-or-later
// Kills a process that saves a data file over and over (SIGKILL, at random moments) and checks
// after every kill that the file is whole and is one of the two versions being saved.

#include "crashsafety/versions.h"
#include "screens/launch.h"
#include "support/tolmitest.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int killsPerFile = 15;
constexpr quint32 seed = 20260909;

class CrashSafety : public TolmiTest
{
protected:
    // The bytes the program's writers put on disk for each version; the file is left holding
    // version 0, as it stands when the probe starts saving.
    template <typename SaveVersion>
    std::array<QByteArray, 2> savedVersions(const QString &name, SaveVersion save)
    {
        std::array<QByteArray, 2> versions;
        for (int version : {1, 0}) {
            QString error;
            EXPECT_TRUE(save(version, &error)) << utf8(error);
            versions[version] = readData(name);
        }
        return versions;
    }

    // Starts the probe on `file`, kills it after a random pause of up to `longestPause`
    // microseconds and checks what it left behind. The pause is the kill moment, not a wait.
    void killDuringSaves(const char *file, const QString &name,
                         const std::array<QByteArray, 2> &versions, unsigned longestPause)
    {
        QRandomGenerator random(seed);
        for (int kill = 1; kill <= killsPerFile; ++kill) {
            SCOPED_TRACE("kill " + std::to_string(kill) + " of " + file);
            QProcess probe;
            probe.start(QStringLiteral(CRASH_SAFETY_PROBE),
                        {directory.path(), QString::fromLatin1(file)});
            ASSERT_TRUE(probe.waitForReadyRead(10000)) << "the probe did not start";
            ASSERT_EQ(probe.readLine().trimmed(), "saving");
            QThread::usleep(random.bounded(longestPause));
            ASSERT_EQ(probe.state(), QProcess::Running) << probe.readAllStandardError().data();
            probe.kill();
            ASSERT_TRUE(probe.waitForFinished(10000));
            ASSERT_EQ(probe.exitStatus(), QProcess::CrashExit)
                << probe.readAllStandardError().data();

            const QByteArray onDisk = readData(name);
            ASSERT_TRUE(onDisk == versions[0] || onDisk == versions[1])
                << "after a kill the file holds " << onDisk.size() << " bytes, neither version";
        }
    }
};

} // namespace

TEST_F(CrashSafety, AKilledSaveOfALargeLogLeavesTheOldOrTheNewFileWhole)
{
    const auto versions = savedVersions(u"yourdata.csv"_s, [](int version, QString *error) {
        return saveFile(yourDataPath(), crashSafetyYourData(version), error);
    });
    for (int version : {0, 1}) {
        const LogFileContents log = readLogFile(versions[version]);
        ASSERT_FALSE(log.damaged());
        ASSERT_EQ(log.entries.size(), std::size_t(crashSafetyLogRows + version));
    }
    ASSERT_NE(versions[0], versions[1]);
    killDuringSaves("yourdata", u"yourdata.csv"_s, versions, 60000);
}

TEST_F(CrashSafety, AKilledSaveOfTheTemplateLeavesTheOldOrTheNewFileWhole)
{
    const auto versions = savedVersions(u"customdata.csv"_s, [](int version, QString *error) {
        setCrashSafetyTemplate(version);
        return saveTemplateFile(error);
    });
    ASSERT_FALSE(versions[0].isEmpty());
    ASSERT_NE(versions[0], versions[1]);
    killDuringSaves("customdata", u"customdata.csv"_s, versions, 20000);
}

// A save killed between writing its temporary file and the rename leaves that file behind; the
// next start removes such files, and only files of exactly that name.
TEST_F(CrashSafety, TheNextStartRemovesWhatKilledSavesLeftAndNothingElse)
{
    const auto versions = savedVersions(u"customdata.csv"_s, [](int version, QString *error) {
        setCrashSafetyTemplate(version);
        return saveTemplateFile(error);
    });
    killDuringSaves("customdata", u"customdata.csv"_s, versions, 20000);
    QDir folder(dataPath(QString()));
    // One such file for certain, beside names that merely look alike and a folder of that name.
    writeData(u"yourdata.csv.QxWzYb"_s, "half a sav");
    const QStringList lookAlikes = {u"notes.csv.ABCDEF"_s, u"yourdata.csv.Ab1def"_s,
                                    u"yourdata.csv.ABCDEFG"_s, u"yourdata.csv.bak"_s,
                                    u"yourdata.csv.unreadable-20081020-120000"_s};
    for (const QString &name : lookAlikes)
        writeData(name, "mine");
    ASSERT_TRUE(folder.mkdir(u"yourdata.csv.Abcdef"_s));
    QStringList kept = lookAlikes;
    kept << u"customdata.csv"_s << u"yourdata.csv"_s << u"yourdata.csv.Abcdef"_s;
    kept.sort();

    startProgram(); // a missing yourdata.csv: the wizard
    EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), kept);
}
