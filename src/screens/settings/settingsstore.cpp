// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore.h"

#include "platform/platform.h"
#include "screens/shared/storabletext.h"
#include "settingschecks.h"
#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/numbers.h"
#include "state/state.h"
#include "state/weightlogfile.h"

#include <QDir>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

void takeNumber(const QString &text, double &slot)
{
    if (const std::optional<double> number = parseNumber(text))
        slot = *number;
}

// The days box as a whole number that a slot holds.
std::optional<std::int32_t> wholeNumber(const QString &text)
{
    const std::optional<double> days = wholeDaysFromBox(text);
    if (!days || std::abs(*days) > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*days);
}

void reportUnsaved(const QString &reason)
{
    platform().showMessage(u"データを保存できませんでした。\n保存先: %1\n理由: %2"_s.arg(
        QDir::toNativeSeparators(yourDataPath()), reason));
}

} // namespace

void copySettingsIntoSlots(const SettingsFields &fields, int top, int left)
{
    if (const std::optional<QDate> date = dateFromEightDigits(fields.declarationDate))
        declarationDate() = serialFromDate(*date);
    takeNumber(fields.startWeight, startWeight());
    takeNumber(fields.targetWeight, targetWeight());
    takeNumber(fields.height, height());
    webAddress() = storedText(fields.webAddress, storableWebAddress(webAddress()));
    if (!fields.deadlineSet)
        deadlineDays() = 0;
    else if (const std::optional<std::int32_t> days = wholeNumber(fields.deadlineDays))
        deadlineDays() = *days;
    if (const int code = levelModeOfListText(fields.levelModeText); code >= 0)
        levelMode() = code;
    windowTop() = top;
    windowLeft() = left;
    sex() = fields.male ? 0 : 1;
}

bool saveYourData()
{
    QString problem;
    const QByteArray bytes = yourDataFileBytes(weightLog(), &problem);
    if (bytes.isEmpty()) {
        reportUnsaved(problem);
        return false;
    }
    QString error;
    if (!saveFile(yourDataPath(), bytes, &error)) {
        reportUnsaved(error);
        return false;
    }
    return true;
}
