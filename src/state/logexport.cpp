// SPDX-License-Identifier: GPL-3.0-or-later
#include "logexport.h"

#include "codeunits.h"

namespace {

// The longest weight text "###.0" the table holds: seven whole digits.
constexpr qsizetype longestWeight = 9;

} // namespace

LogExportWriter::LogExportWriter(char separator, qsizetype rowCount) : separator(separator)
{
    out.reserve(20 + rowCount * 18);
    out.append("日付");
    out.append(separator);
    out.append("体重(kg)\r\n");
}

void LogExportWriter::write(QAnyStringView dateText, QAnyStringView weightText)
{
    // "yyyy-mm-dd", the separator, a leading zero, the weight, CR LF.
    char line[10 + 1 + 1 + longestWeight + 2];
    const bool dateOk = readCodeUnits(dateText, [&](auto *units, qsizetype size) {
        if (size != 8)
            return false;
        for (qsizetype k = 0, at = 0; k < 8; ++k, ++at) {
            if (units[k] < '0' || units[k] > '9')
                return false;
            if (k == 4 || k == 6)
                line[at++] = '-';
            line[at] = char(units[k]);
        }
        return true;
    });
    qsizetype length = 10;
    line[length++] = separator;
    const bool weightOk = readCodeUnits(weightText, [&](auto *units, qsizetype size) {
        if (size < 2 || size > longestWeight || units[size - 2] != '.')
            return false;
        if (units[0] == '.')
            line[length++] = '0';
        for (qsizetype k = 0; k < size; ++k) {
            if ((units[k] < '0' || units[k] > '9') && k != size - 2)
                return false;
            line[length++] = char(units[k]);
        }
        return true;
    });
    if (!dateOk || !weightOk)
        return;
    line[length++] = '\r';
    line[length++] = '\n';
    out.append(line, length);
}
