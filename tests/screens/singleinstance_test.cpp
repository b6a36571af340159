// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/tolmitest.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

namespace {

// Runs the probe with a runtime folder of its own (a session) on a data folder.
class SingleInstance : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (QTemporaryDir *folder : {&session, &otherSession, &data}) {
            ASSERT_TRUE(folder->isValid());
            QFile::setPermissions(folder->path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    void startProbe(QProcess &probe, const QString &mode, const QTemporaryDir &runtime,
                    const QString &folder)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        probe.setProcessEnvironment(environment);
        probe.start(QStringLiteral(INSTANCE_PROBE), {mode, folder});
        ASSERT_TRUE(probe.waitForStarted());
    }

    QString answerOf(QProcess &probe)
    {
        probe.waitForReadyRead(10000);
        return QString::fromLatin1(probe.readLine()).trimmed();
    }

    QString check(const QTemporaryDir &runtime, const QString &folder)
    {
        QProcess probe;
        startProbe(probe, QStringLiteral("check"), runtime, folder);
        const QString answer = answerOf(probe);
        probe.waitForFinished();
        return answer;
    }

    QString check() { return check(session, data.path()); }

    void hold(QProcess &probe)
    {
        startProbe(probe, QStringLiteral("hold"), session, data.path());
        ASSERT_EQ(answerOf(probe), QStringLiteral("held"));
    }

    QTemporaryDir session;
    QTemporaryDir otherSession;
    QTemporaryDir data;
};

} // namespace

TEST_F(SingleInstance, ASecondCopyIsRefusedWhileTheFirstRuns)
{
    EXPECT_EQ(check(), QStringLiteral("free"));
    QProcess first;
    hold(first);
    EXPECT_EQ(check(), QStringLiteral("running"));
    first.closeWriteChannel();
    ASSERT_TRUE(first.waitForFinished());
    EXPECT_EQ(check(), QStringLiteral("free"));
}

TEST_F(SingleInstance, ALockLeftByACrashedRunDoesNotBlockTheNextStart)
{
    QProcess crashed;
    hold(crashed);
    ::kill(static_cast<pid_t>(crashed.processId()), SIGKILL);
    ASSERT_TRUE(crashed.waitForFinished());
    EXPECT_EQ(check(), QStringLiteral("free"));

    // What a power cut between creating and writing a lock file leaves blocks nothing either.
    for (const QByteArray &leftOver : {QByteArray(), QByteArray("\x01garbage\xff")}) {
        QFile lock(session.path() + QStringLiteral("/tolmishiki.lock"));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.write(leftOver);
        lock.close();
        EXPECT_EQ(check(), QStringLiteral("free"));
    }
}

TEST_F(SingleInstance, OneDataFolderRunsOneCopyWhateverTheSessionOrSpelling)
{
    QProcess first;
    hold(first);
    const QString link = otherSession.path() + QStringLiteral("/linked");
    ASSERT_TRUE(QFile::link(data.path(), link));
    EXPECT_EQ(check(otherSession, data.path()), QStringLiteral("running"));
    EXPECT_EQ(check(otherSession, link + QStringLiteral("/.")), QStringLiteral("running"));
    // A folder that does not exist yet is guarded by the folder that will hold it.
    EXPECT_EQ(check(otherSession, data.path() + QStringLiteral("/tolmidata")),
              QStringLiteral("running"));
    EXPECT_EQ(check(otherSession, otherSession.path()), QStringLiteral("free"));
    first.closeWriteChannel();
    ASSERT_TRUE(first.waitForFinished());
}
