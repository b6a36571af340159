// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The weight log while the program runs: one row per entry, newest first, the declaration entry
// last, each with its date text "yyyymmdd" and weight text "###.0", so that every value that
// passes through it is a whole day and a weight with one decimal, and the file is written back
// from these texts. The settings screen shows it as its table, whose column 0 carries the
// selection mark ">" of the selected row; the win/loss table, the weight chart and the writers
// read the same rows.
//
// Rows are addressed as on the screen: row 1 is the newest entry and row N = entryCount() the
// declaration entry (row 0 is the heading, shown by the view's header). A row costs 32 bytes, and
// every operation stays instant with a log of 100,000 entries.

#include "celltext.h"

#include <QAbstractTableModel>
#include <QString>
#include <utility>
#include <vector>

class WeightLog : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    struct Entry
    {
        Entry() = default;
        Entry(QStringView dateText, QStringView weightText) : date(dateText), weight(weightText) {}
        Entry(CellText dateText, CellText weightText)
            : date(std::move(dateText)), weight(std::move(weightText))
        {
        }
        CellText date;
        CellText weight;
    };
    static_assert(sizeof(Entry) <= 32, "a row stays within two cells of 16 bytes");

    int entryCount() const;
    QString dateText(int row) const;
    QString weightText(int row) const;
    double weightNumber(int row) const; // the weight text as a number (0 when it is none)
    // The row's cells as they are held, for reading many rows without copying their texts.
    const Entry &entry(int row) const { return rows.at(row - 1); }
    // Row `index + 1`'s date and weight texts as they are held, as the writers of the data file,
    // the export and the clipboard take them one row after another.
    std::pair<QAnyStringView, QAnyStringView> rowTexts(qsizetype index) const
    {
        const Entry &row = rows.at(index);
        return {row.date.view(), row.weight.view()};
    }

    // Replaces all rows at once (the loader); no row is marked afterwards.
    void setEntries(std::vector<Entry> entries);
    void setEntry(int row, const QString &date, const QString &weight);
    // Inserts `entries` so that the first of them becomes row `row` (1 to N + 1), in one step
    // however many they are; sortNewestFirst() then puts them in their places.
    void insertEntries(int row, std::vector<Entry> entries);
    // Inserts a row with empty texts so that it becomes row `row`.
    void insertBlankEntry(int row);
    // Removes row `row`; a row outside 1..N is ignored.
    void removeEntry(int row);
    // Sorts rows `first` to `last` descending by date, ties by weight. Each column is compared as
    // numbers when both texts are numbers and as text when both are not; a number ranks above a
    // text, so that the order stays consistent whatever the cells hold. Rows that compare equal
    // keep their order.
    void sortDescending(int first, int last);
    // The sort after a write: every row but the last, which stays the declaration entry by
    // position even when the declaration date has been moved later than other entries.
    void sortNewestFirst() { sortDescending(1, entryCount() - 1); }

    int markedRow() const { return marked; } // 0 when no row carries the mark
    void setMarkedRow(int row);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<Entry> rows; // rows[0] is row 1
    int marked = 0;
};

// The program's one weight log, empty until the settings screen's loader fills it.
WeightLog &weightLog();
