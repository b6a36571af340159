// SPDX-License-Identifier: GPL-3.0-or-later
#include "instancecheck.h"

#include "platform/platform.h"
#include "state/datafiles.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

bool refuseSecondInstance()
{
    const InstanceCheck check = platform().checkInstance(dataDirectory());
    if (check.answer == InstanceCheck::Alone)
        return false;
    if (check.answer == InstanceCheck::AnotherCopyRunning)
        platform().showMessage(u"プログラムは既に起動されています。"_s);
    else // two copies on one folder could undo each other's saves: none runs unguarded
        platform().showMessage(
            u"データフォルダをロックできないため、起動できません。\nフォルダ: %1\n理由: %2"_s.arg(
                QDir::toNativeSeparators(dataDirectory()), check.reason));
    platform().terminateProcess();
    return true;
}
