// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include "datafiles.h"
#include "dateserial.h"
#include "state.h"

#include <QDir>

std::vector<FileWriteFailure> prepareDataAtStartup(const QString &workingDirectory,
                                                   const QDateTime &now)
{
    randomPhraseOn = 1;
    dataRoot = workingDirectory;
    QDir(dataRoot).mkdir(QStringLiteral("tolmidata")); // an existing directory is fine
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
