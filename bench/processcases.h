// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The child side of the memory case: starts the program on the diet in `workingDirectory` as the
// real start-up does (main screen shown), then prints the process's peak resident memory in KiB.
int reportPeakMemory(const QString &workingDirectory);

// The flag that makes the benchmark binary run reportPeakMemory instead of the cases.
inline constexpr char PeakMemoryFlag[] = "--peak-memory-of";
