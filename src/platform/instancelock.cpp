// SPDX-License-Identifier: GPL-3.0-or-later
#include "instancelock.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class LockResult
{
    Taken,
    HeldElsewhere,
    Failed,
};

// An exclusive lock on the open file `fd`, kept open (and so locked) for the rest of the process.
LockResult lockForGood(int fd)
{
    if (fd < 0)
        return LockResult::Failed;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        const int error = errno;
        ::close(fd);
        errno = error;
        return error == EWOULDBLOCK ? LockResult::HeldElsewhere : LockResult::Failed;
    }
    return LockResult::Taken;
}

int openFolder(const QString &path)
{
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// The session's lock: a file in the runtime folder, whose content does not matter.
LockResult lockSession()
{
    static bool held = false;
    if (held)
        return LockResult::Taken;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return LockResult::Failed;
    const QByteArray path = QFile::encodeName(folder + u"/tolmishiki.lock"_s);
    const LockResult result =
        lockForGood(::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    held = result == LockResult::Taken;
    return result;
}

// The data folder's lock; a folder this process has locked already answers Taken again, however
// its path is spelt.
LockResult lockDataFolder(const QString &dataFolder, QString &reason)
{
    static QSet<QPair<dev_t, ino_t>> held;
    int fd = openFolder(dataFolder);
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR))
        fd = openFolder(QFileInfo(dataFolder).absolutePath());
    struct stat folder
    {
    };
    if (fd >= 0 && ::fstat(fd, &folder) == 0 && held.contains({folder.st_dev, folder.st_ino})) {
        ::close(fd);
        return LockResult::Taken;
    }
    const LockResult result = lockForGood(fd);
    if (result == LockResult::Taken)
        held.insert({folder.st_dev, folder.st_ino});
    else if (result == LockResult::Failed)
        reason = qt_error_string(errno);
    return result;
}

} // namespace

InstanceCheck takeInstanceLocks(const QString &dataFolder)
{
    if (lockSession() == LockResult::HeldElsewhere)
        return {InstanceCheck::AnotherCopyRunning, {}};
    QString reason;
    switch (lockDataFolder(dataFolder, reason)) {
    case LockResult::Taken:
        return {InstanceCheck::Alone, {}};
    case LockResult::HeldElsewhere:
        return {InstanceCheck::AnotherCopyRunning, {}};
    case LockResult::Failed:
        break;
    }
    return {InstanceCheck::FolderUnguarded, reason};
}
