// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the exit save of the main screen and the save of the unsaved-changes dialog share: taking
// the settings screen's fields into the settings slots, and rewriting yourdata.csv from the slots
// and the settings screen's weight table.

class Form2;
class WeightTableModel;

// Copies the settings screen's fields into the slots: declaration date, start and target weight,
// height, web address, deadline, level mode and sex, with the window position given in twips.
// A field that does not convert (a list text that names no level mode, say) leaves its slot as
// it was.
void copySettingsIntoSlots(const Form2 &settings, int top, int left);

// Rewrites yourdata.csv: the nine settings lines from the slots, then one line per table row,
// newest first. The table is hidden while its rows are read and afterwards shows row 1 at the top.
// A failed write leaves the previous file whole and is reported in a message box naming the file
// and the reason; returns whether the file was written.
bool saveYourData(Form2 &settings);

// currentWeight and latestDate from the newest row of the table (row 1).
void takeNewestEntry(const WeightTableModel &weights);

// The weight of the newest row. While that row is the declaration entry it is the start weight
// itself: the table shows it rounded to "###.0", and a start weight declared with two decimals
// would otherwise greet the user with a loss or gain on the day of the declaration.
double newestWeight(const WeightTableModel &weights);
