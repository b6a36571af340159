// SPDX-License-Identifier: GPL-3.0-or-later
#include "storabletext.h"

#include "state/fieldcodec.h"

QValidator::State StorableTextValidator::validate(QString &input, int &) const
{
    return isStorableText(input) ? Acceptable : Invalid;
}
