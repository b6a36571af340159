// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two versions of each data file that the crash-safety probe saves in turn, built through the
// program's own writers. They differ in every log row, in length and in every title, so that a
// mixture of the two, a truncated file or an empty one can pass for neither.

#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/numbers.h"
#include "state/state.h"

#include <QDate>

inline constexpr int crashSafetyLogRows = 20000;

// The settings slots and log of a version (0 or 1); the log is the table's texts, newest first.
inline void setCrashSafetySettings(int version)
{
    resetSettingsToDefaults();
    setupDone() = 1;
    windowTop() = 1000 + version;
    webAddress() =
        version == 0 ? QStringLiteral("example.jp/old") : QStringLiteral("example.jp/new");
}

inline QByteArray crashSafetyYourData(int version)
{
    setCrashSafetySettings(version);
    const int rows = crashSafetyLogRows + version;
    const QDate newest(2030, 1, 1);
    QString problem;
    return yourDataBytes(
        rows,
        [&](qsizetype i) {
            const double weight = 60.0 + static_cast<double>((i * 7 + version * 3) % 400) / 10.0;
            return std::pair(eightDigitsFromDate(newest.addDays(-i)), formatWeightText(weight));
        },
        &problem);
}

inline void setCrashSafetyTemplate(int version)
{
    resetTemplateToDefaults();
    for (int n = 1; n <= 20; ++n)
        CopyTitles[n] = QStringLiteral("版%1の題%2： ").arg(version).arg(n);
    copyPhrase() = version;
}
