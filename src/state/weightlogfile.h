// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The weight log and yourdata.csv: the file read again into the log (its nine settings lines into
// the slots), the file's bytes written from the log, and the newest entry taken into the state.

#include "weightlog.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Fills `log` from yourdata.csv, in file order, and the settings slots from its nine lines. When
// the file yields no entry, the log keeps the rows it holds (on a reload they are then the only
// copy of the log left) with no row marked, and an empty log gets the declaration entry, so that
// there is always at least that row. Returns what to tell the user when the file could not be
// read whole, empty when it was; such a file has been kept under a new name dated `now` beside it
// before anything could overwrite it.
QString loadWeightLog(WeightLog &log, const QDateTime &now);

// The whole yourdata.csv as the settings save and the exit save write it: the nine lines from the
// slots, then one line per row, row 1 first. Empty when a text cannot be stored (never written
// altered); `problem` then says why.
QByteArray yourDataFileBytes(const WeightLog &log, QString *problem);

// currentWeight and latestDate from the newest row (row 1), as the load and the settings save take
// them. While that row is the declaration entry the weight is the start weight itself: the log
// holds it rounded to "###.0", and a start weight declared with two decimals would otherwise greet
// the user with a loss or gain on the day of the declaration.
void takeNewestEntry(const WeightLog &log);
