// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Recording stand-ins for the desktop services, installed for every test by TolmiTest.

#include "platform/platform.h"

#include <QStringList>
#include <deque>
#include <vector>

struct FakePlatform
{
    QStringList messages;                                // every message box, in order
    QStringList questions;                               // every two-answer question
    std::deque<bool> answers;                            // the next answers to questions
    std::vector<std::int32_t> colourInitials;            // where each colour dialog opened
    std::deque<std::optional<std::int32_t>> colourPicks; // the next picks (nullopt = cancel)
    std::deque<QString> filePicks; // the next paths chosen in file dialogs (empty = cancel)
    QStringList openedAddresses;
    std::deque<bool> openResults; // the next results of openAddress
    InstanceCheck instanceCheck;  // what the single-instance check finds
    QStringList checkedFolders;
    int terminations = 0;
    std::optional<QSize> screenTwips = QSize(19200, 14400);
    QDateTime now = QDateTime(QDate(2008, 10, 20), QTime(12, 0));
    std::deque<double> draws; // the next random draws; 0 when none are queued

    // Takes the recorded messages (each test must look at every message it causes).
    QStringList takeMessages();

    PlatformServices services();
};
