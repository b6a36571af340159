// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The data the cases run on: for each log size a working directory holding tolmidata/ with a
// declared diet whose yourdata.csv has that many entries, generated once per run with the
// program's own writers.

#include <QByteArray>
#include <QString>
#include <array>

// The log sizes every case runs over, the declaration entry included.
inline constexpr std::array<int, 3> LogSizes = {1000, 100000, 1000000};
// A diet with nothing weighed yet: its log is the declaration entry alone.
inline constexpr int DeclarationOnly = 1;

// The working directory of the diet with `entries` log entries, generated on first use.
QString dietDirectory(int entries);
// Its yourdata.csv as generated.
QByteArray dietFileBytes(int entries);

// Starts afresh on that diet in this process: no screen loaded, a fresh state, and the data files
// read as the program's start-up reads them.
void openDiet(int entries);

// Services that never block: no message box (a message here is a fault of the benchmark, so it
// ends the run), no instance lock, no dialogs.
void useQuietPlatform();
