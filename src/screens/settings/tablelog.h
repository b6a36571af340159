// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// yourdata.csv read again for the settings screen: the nine settings lines into the slots, then
// the weight log as rows of the table.

#include "state/state.h"
#include "weighttablemodel.h"

#include <QString>
#include <vector>

struct TableLog
{
    std::vector<WeightTableModel::Entry> entries; // in file order
    // What to tell the user when the file could not be read whole; empty when it was. Such a file
    // has been kept under a new name beside it before anything could overwrite it.
    QString problem;
};

TableLog readTableLog();

// A log entry as a table row: "yyyymmdd" and "###.0".
WeightTableModel::Entry tableEntry(DateSerial date, double weight);
