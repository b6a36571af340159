#pragma once

// The weight log as the settings screen's table holds it: one row per entry, newest first, the
// declaration entry last, each with its date text "yyyymmdd" and weight text "###.0". Column 0
// carries the selection mark ">" of the selected row.
//
// Rows are addressed as on the screen: row 1 is the newest entry and row N = entryCount() the
// declaration entry (row 0 is the heading, shown by the view's header).

#include <QAbstractTableModel>
#include <QString>
#include <vector>

class WeightTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    int entryCount() const;
    QString dateText(int row) const;
    QString weightText(int row) const;
    double weightNumber(int row) const; // the weight text as a number

    // Replaces all rows at once (the loader).
    struct Entry
    {
        QString date;
        QString weight;
    };
    void setEntries(std::vector<Entry> entries);
    void setEntry(int row, const QString &date, const QString &weight);
    void insertBlankEntry(int row);
    void removeEntry(int row);
    // Descending by date, then by weight; each column compared as numbers when both are numbers.
    void sortDescending();

    int markedRow() const { return marked; } // 0 when no row carries the mark
    void setMarkedRow(int row);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<Entry> rows; // rows[0] is screen row 1
    int marked = 0;
};
