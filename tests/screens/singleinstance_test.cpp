#include "support/tolmitest.h"

#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

namespace {

// Runs the probe with its own runtime directory, where the lock lives.
class SingleInstance : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime.isValid());
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void startProbe(QProcess &probe, const QString &mode)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        probe.setProcessEnvironment(environment);
        probe.start(QStringLiteral(INSTANCE_PROBE), {mode});
        ASSERT_TRUE(probe.waitForStarted());
    }

    QString answerOf(QProcess &probe)
    {
        probe.waitForReadyRead(10000);
        return QString::fromLatin1(probe.readLine()).trimmed();
    }

    QString check()
    {
        QProcess probe;
        startProbe(probe, QStringLiteral("check"));
        const QString answer = answerOf(probe);
        probe.waitForFinished();
        return answer;
    }

    QTemporaryDir runtime;
};

} // namespace

TEST_F(SingleInstance, ASecondCopyIsRefusedWhileTheFirstRuns)
{
    EXPECT_EQ(check(), QStringLiteral("free"));
    QProcess first;
    startProbe(first, QStringLiteral("hold"));
    ASSERT_EQ(answerOf(first), QStringLiteral("held"));
    EXPECT_EQ(check(), QStringLiteral("running"));
    first.closeWriteChannel();
    ASSERT_TRUE(first.waitForFinished());
    EXPECT_EQ(check(), QStringLiteral("free"));
}

TEST_F(SingleInstance, ALockLeftByACrashedRunDoesNotBlockTheNextStart)
{
    QProcess crashed;
    startProbe(crashed, QStringLiteral("hold"));
    ASSERT_EQ(answerOf(crashed), QStringLiteral("held"));
    ::kill(static_cast<pid_t>(crashed.processId()), SIGKILL);
    ASSERT_TRUE(crashed.waitForFinished());
    EXPECT_EQ(check(), QStringLiteral("free"));
}
