// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the exit save of the main screen and the save of the unsaved-changes dialog share: taking
// what the settings screen's fields show into the settings slots, and rewriting yourdata.csv from
// the slots and the weight log.

#include <QString>

// The texts and choices of the settings screen's fields, as they stand; the number and date boxes'
// full-width digits, point, signs and blanks in their half-width forms.
struct SettingsFields
{
    QString declarationDate;  // Text3, "yyyymmdd"
    QString startWeight;      // Text4
    QString targetWeight;     // Text5
    QString height;           // Text6
    QString webAddress;       // Text7, as the box shows it
    QString deadlineDays;     // Text8
    bool deadlineSet = false; // Check1
    bool male = false;        // Option1
    QString levelModeText;    // Combo1's text
};

// Copies the fields into the slots: declaration date, start and target weight, height, web
// address, deadline, level mode and sex, with the window position given in twips. A field that
// does not convert (a list text that names no level mode, say) leaves its slot as it was.
void copySettingsIntoSlots(const SettingsFields &fields, int top, int left);

// Rewrites yourdata.csv: the nine settings lines from the slots, then one line per row of the
// weight log, newest first. A failed write leaves the previous file whole and is reported in a
// message box naming the file and the reason; returns whether the file was written.
bool saveYourData();
