// SPDX-License-Identifier: GPL-3.0-or-later
#include "entrytext.h"

#include "codeunits.h"

std::optional<EntryCharacters> entryCharacters(QAnyStringView dateText, QAnyStringView weightText)
{
    EntryCharacters entry;
    const bool dateOk = readCodeUnits(dateText, [&](auto *units, qsizetype size) {
        if (size != qsizetype(entry.date.size()))
            return false;
        for (qsizetype k = 0; k < size; ++k) {
            if (units[k] < '0' || units[k] > '9')
                return false;
            entry.date[k] = char(units[k]);
        }
        return true;
    });
    const bool weightOk = readCodeUnits(weightText, [&](auto *units, qsizetype size) {
        if (size < 2 || size > qsizetype(entry.weight.size()) || units[size - 2] != '.')
            return false;
        for (qsizetype k = 0; k < size; ++k) {
            if ((units[k] < '0' || units[k] > '9') && k != size - 2)
                return false;
            entry.weight[k] = char(units[k]);
        }
        entry.weightSize = size;
        return true;
    });
    if (!dateOk || !weightOk)
        return std::nullopt;
    return entry;
}
