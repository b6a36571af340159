// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The desktop services the program uses, behind replaceable functions. Real by default; tests
// put recording fakes in their place. Nothing else in the program calls these services directly.

#include "instancelock.h"

#include <QDateTime>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

struct PlatformServices
{
    // A modal message box titled "TolmiShiki" with one OK button.
    std::function<void(const QString &text)> showMessage;
    // A modal question with two answers; true when the first one was chosen.
    std::function<bool(const QString &text, const QString &yes, const QString &no)> askQuestion;
    // The colour dialog opened on `initial` (0x00BBGGRR); empty when cancelled.
    std::function<std::optional<std::int32_t>(std::int32_t initial)> pickColour;
    // Qt's own file dialog, in the program's language, for a file to read: opened in `folder`,
    // offering the kinds of file `filter` lists ("CSV (*.csv);;すべてのファイル (*)"). The chosen
    // path, empty when cancelled.
    std::function<QString(const QString &title, const QString &folder, const QString &filter)>
        pickFileToOpen;
    // The same for a file to write, with the path `suggested` filled in. A name typed without a
    // suffix gets the suggestion's, and an existing file is replaced only when the user agrees.
    std::function<QString(const QString &title, const QString &suggested, const QString &filter)>
        pickFileToSave;
    // Hands an address to the desktop's browser; false when that failed.
    std::function<bool(const QString &address)> openAddress;
    // Whether another copy of the program runs in this session or on the data folder `dataFolder`.
    // The first call takes the locks and holds them for the life of the process, so later calls
    // from the same process answer Alone.
    std::function<InstanceCheck(const QString &dataFolder)> checkInstance;
    // Ends the process at once, without close handlers (after the second-instance message).
    std::function<void()> terminateProcess;
    // The screen's width and height in twips; empty when unknown.
    std::function<std::optional<QSize>()> screenSizeTwips;
    std::function<QDateTime()> now;
    // A uniform draw in [0, 1) from the one generator, reseeded from the clock before every draw.
    std::function<double()> rnd;
};

PlatformServices &platform();
PlatformServices realPlatformServices();
