// SPDX-License-Identifier: GPL-3.0-or-later
#include "logexport.h"

#include "entrytext.h"

LogExportWriter::LogExportWriter(char separator, qsizetype rowCount) : separator(separator)
{
    out.reserve(20 + rowCount * 18);
    out.append("日付");
    out.append(separator);
    out.append("体重(kg)\r\n");
}

void LogExportWriter::write(QAnyStringView dateText, QAnyStringView weightText)
{
    const std::optional<EntryCharacters> entry = entryCharacters(dateText, weightText);
    if (!entry)
        return;
    // "yyyy-mm-dd", the separator, a zero before a leading point, the weight, CR LF: one append.
    char line[10 + 1 + 1 + std::tuple_size_v<decltype(entry->weight)> + 2];
    qsizetype length = 0;
    for (qsizetype k = 0; k < 8; ++k) {
        if (k == 4 || k == 6)
            line[length++] = '-';
        line[length++] = entry->date[k];
    }
    line[length++] = separator;
    if (entry->weight[0] == '.')
        line[length++] = '0';
    for (qsizetype k = 0; k < entry->weightSize; ++k)
        line[length++] = entry->weight[k];
    line[length++] = '\r';
    line[length++] = '\n';
    out.append(line, length);
}
