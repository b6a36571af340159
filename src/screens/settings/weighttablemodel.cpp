#include "weighttablemodel.h"

#include "state/numbers.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

int WeightTableModel::entryCount() const
{
    return static_cast<int>(rows.size());
}

QString WeightTableModel::dateText(int row) const
{
    return rows.at(row - 1).date;
}

QString WeightTableModel::weightText(int row) const
{
    return rows.at(row - 1).weight;
}

double WeightTableModel::weightNumber(int row) const
{
    return parseNumber(weightText(row)).value_or(0);
}

void WeightTableModel::setEntries(std::vector<Entry> entries)
{
    beginResetModel();
    rows = std::move(entries);
    marked = 0;
    endResetModel();
}

void WeightTableModel::setEntry(int row, const QString &date, const QString &weight)
{
    rows.at(row - 1) = {date, weight};
    emit dataChanged(index(row - 1, 0), index(row - 1, 2));
}

void WeightTableModel::insertBlankEntry(int row)
{
    beginInsertRows({}, row - 1, row - 1);
    rows.insert(rows.begin() + (row - 1), Entry{});
    if (marked >= row)
        ++marked;
    endInsertRows();
}

void WeightTableModel::removeEntry(int row)
{
    if (row < 1 || row > entryCount())
        return;
    beginRemoveRows({}, row - 1, row - 1);
    rows.erase(rows.begin() + (row - 1));
    if (marked == row)
        marked = 0;
    else if (marked > row)
        --marked;
    endRemoveRows();
}

void WeightTableModel::sortDescending()
{
    auto descending = [](const QString &a, const QString &b) {
        const auto x = parseNumber(a);
        const auto y = parseNumber(b);
        if (x && y)
            return *x > *y ? -1 : (*x < *y ? 1 : 0);
        return -QString::compare(a, b);
    };
    layoutAboutToBeChanged();
    std::stable_sort(rows.begin(), rows.end(), [&](const Entry &a, const Entry &b) {
        const int byDate = descending(a.date, b.date);
        return byDate != 0 ? byDate < 0 : descending(a.weight, b.weight) < 0;
    });
    marked = 0;
    layoutChanged();
}

void WeightTableModel::setMarkedRow(int row)
{
    const int previous = marked;
    marked = row;
    if (previous > 0)
        emit dataChanged(index(previous - 1, 0), index(previous - 1, 0));
    if (row > 0)
        emit dataChanged(index(row - 1, 0), index(row - 1, 0));
}

int WeightTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : entryCount();
}

int WeightTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant WeightTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    const int row = index.row() + 1;
    switch (index.column()) {
    case 0:
        return row == marked ? u">"_s : QString();
    case 1:
        return dateText(row);
    default:
        return weightText(row);
    }
}

QVariant WeightTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    static const QString headings[] = {QString(), u"年月日"_s, u"体重"_s};
    return headings[section];
}
