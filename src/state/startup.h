// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parts of start-up that decide, without any window: capturing the working directory, loading
// the data files, keeping the saved window position on the screen and the deadline check.

#include "datafiles.h"

#include <QDate>
#include <QDateTime>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

// Sets randomPhraseOn, takes the working directory as dataRoot, creates the data directory and
// loads both data files, writing default files in place of missing or damaged ones. A data
// directory that cannot be created, or whose names cannot be read, is unusable like a data file
// that cannot be opened: nothing is written and start-up must end.
StartupFiles prepareDataAtStartup(const QString &workingDirectory, const QDateTime &now);

// Keeps windowLeft/windowTop on a screen of the given size in twips (in memory only).
void keepWindowOnScreen(std::optional<QSize> screenTwips);

// True when a deadline is set, more than deadlineDays days have passed since the declaration and
// the current weight is still above the target.
bool deadlineHasPassed(QDate today);
