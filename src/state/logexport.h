// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The weight log written out for spreadsheets and other programs: a heading line "日付,体重(kg)",
// then one line per entry, oldest first, the date as 2008-10-18 and the weight with one decimal
// and a zero before the point ("79.6", "0.5", "100.0"), every line ending in CR LF. Reading such
// a text back (importWeighings) gives the same entries.
//
// The rows come as the weight log holds them: `rowTexts(i)` gives row i's date and weight texts
// ("yyyymmdd", "###.0") for i = 0 .. rowCount - 1, newest first, as a pair of anything a
// QAnyStringView views (texts, or views valid until the next call), so that no row is copied on
// the way. A row whose texts are in other forms (the blank row of a pending new entry) is left
// out.

#include <QAnyStringView>
#include <QByteArray>
#include <QString>

// The lines in UTF-8, one row at a time.
class LogExportWriter
{
public:
    LogExportWriter(char separator, qsizetype rowCount);
    void write(QAnyStringView dateText, QAnyStringView weightText);
    const QByteArray &bytes() const { return out; }

private:
    QByteArray out;
    char separator;
};

template <typename RowTexts>
QByteArray exportedLogLines(char separator, qsizetype rowCount, RowTexts &&rowTexts)
{
    LogExportWriter writer(separator, rowCount);
    for (qsizetype i = rowCount; i-- > 0;) {
        const auto &[dateText, weightText] = rowTexts(i);
        writer.write(dateText, weightText);
    }
    return writer.bytes();
}

// The export file: comma-separated, in UTF-8 with a byte-order mark, so that spreadsheets on
// every system read the Japanese heading.
template <typename RowTexts> QByteArray logExportFileBytes(qsizetype rowCount, RowTexts &&rowTexts)
{
    return "\xEF\xBB\xBF" + exportedLogLines(',', rowCount, rowTexts);
}

// The same lines tab-separated, as the clipboard text a spreadsheet pastes into columns.
template <typename RowTexts> QString logClipboardText(qsizetype rowCount, RowTexts &&rowTexts)
{
    return QString::fromUtf8(exportedLogLines('\t', rowCount, rowTexts));
}
