// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include "datafiles.h"
#include "dateserial.h"
#include "state.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Creates the data directory (an existing one is fine) and makes sure its names can be read: the
// guard against a second copy locks the directory itself, which needs that. Empty when it can be
// used; otherwise why not. Whatever else stands in its place is left to the file readers.
std::optional<FileProblem> prepareDataDirectory()
{
    const QByteArray folder = QFile::encodeName(dataDirectory());
    if (::mkdir(folder.constData(), 0777) != 0 && errno != EEXIST)
        return fileProblem(dataDirectory(), errno, FileAction::CreateFolder);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return std::nullopt;
    }
    if (errno == EACCES || errno == EPERM)
        return fileProblem(dataDirectory(), errno, FileAction::ListFolder);
    return std::nullopt;
}

} // namespace

StartupFiles prepareDataAtStartup(const QString &workingDirectory, const QDateTime &now)
{
    randomPhraseOn = 1;
    dataRoot = workingDirectory;
    if (std::optional<FileProblem> problem = prepareDataDirectory())
        return {{*problem}, {}};
    return loadDataFilesWithRecovery(now);
}

void keepWindowOnScreen(std::optional<QSize> screenTwips)
{
    if (!screenTwips)
        return;
    const int width = screenTwips->width();
    const int height = screenTwips->height();
    if (windowLeft() > width - 5000) {
        windowLeft() = width / 2;
        windowTop() = height / 2;
    }
    if (windowTop() > height - 3000) {
        windowTop() = height / 2;
        windowLeft() = width / 2;
    }
    if (windowLeft() < 0)
        windowLeft() = 0;
    if (windowTop() < 0)
        windowTop() = 0;
}

bool deadlineHasPassed(QDate today)
{
    if (deadlineDays() == 0)
        return false;
    const int elapsed = wholeDaysBetween(declarationDate(), serialFromDate(today));
    return elapsed > deadlineDays() && currentWeight - targetWeight() > 0;
}
