// SPDX-License-Identifier: GPL-3.0-or-later
#include "weightlog.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

// A cell as the sort sees it: its number, or NaN when its text is none (no number is NaN).
double sortNumber(const CellText &cell)
{
    return cell.number().value_or(std::numeric_limits<double>::quiet_NaN());
}

// Negative when the first cell belongs above the second in the descending order, 0 when they
// tie: numbers by value, a number above a text, texts by text (looked up only then, as they are
// rare).
int descending(double a, double b, const CellText &textA, const CellText &textB)
{
    const bool numberA = !std::isnan(a);
    const bool numberB = !std::isnan(b);
    if (numberA && numberB)
        return a > b ? -1 : (a < b ? 1 : 0);
    if (numberA || numberB)
        return numberA ? -1 : 1;
    return -QString::compare(textA.toString(), textB.toString());
}

// One row of the sorted range with its keys, worked out once per row rather than per comparison.
struct SortRow
{
    double date;
    double weight;
    int place; // in the range before the sort
};

} // namespace

int WeightLog::entryCount() const
{
    return static_cast<int>(rows.size());
}

QString WeightLog::dateText(int row) const
{
    return rows.at(row - 1).date.toString();
}

QString WeightLog::weightText(int row) const
{
    return rows.at(row - 1).weight.toString();
}

double WeightLog::weightNumber(int row) const
{
    return rows.at(row - 1).weight.number().value_or(0);
}

void WeightLog::setEntries(std::vector<Entry> entries)
{
    beginResetModel();
    rows = std::move(entries);
    marked = 0;
    endResetModel();
}

void WeightLog::setEntry(int row, const QString &date, const QString &weight)
{
    rows.at(row - 1) = Entry(date, weight);
    emit dataChanged(index(row - 1, 1), index(row - 1, 2));
}

void WeightLog::insertEntries(int row, std::vector<Entry> entries)
{
    if (entries.empty())
        return;
    const auto count = static_cast<int>(entries.size());
    // Growing by an eighth rather than doubling keeps the memory per row near its 32 bytes.
    if (rows.size() + entries.size() > rows.capacity())
        rows.reserve(rows.size() + entries.size() + rows.size() / 8 + 16);
    beginInsertRows({}, row - 1, row - 2 + count);
    rows.insert(rows.begin() + (row - 1), std::make_move_iterator(entries.begin()),
                std::make_move_iterator(entries.end()));
    if (marked >= row)
        marked += count;
    endInsertRows();
}

void WeightLog::insertBlankEntry(int row)
{
    std::vector<Entry> blank(1);
    insertEntries(row, std::move(blank));
}

void WeightLog::removeEntry(int row)
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

void WeightLog::sortDescending(int first, int last)
{
    first = std::max(first, 1);
    last = std::min(last, entryCount());
    if (first >= last)
        return;
    const int count = last - first + 1;
    const auto begin = rows.begin() + (first - 1);
    std::vector<SortRow> order;
    order.reserve(count);
    for (int i = 0; i < count; ++i)
        order.push_back({sortNumber(begin[i].date), sortNumber(begin[i].weight), i});
    std::stable_sort(order.begin(), order.end(), [&](const SortRow &a, const SortRow &b) {
        const Entry &rowA = begin[a.place];
        const Entry &rowB = begin[b.place];
        const int byDate = descending(a.date, b.date, rowA.date, rowB.date);
        return byDate != 0 ? byDate < 0
                           : descending(a.weight, b.weight, rowA.weight, rowB.weight) < 0;
    });

    emit layoutAboutToBeChanged();
    std::vector<Entry> sorted;
    sorted.reserve(count);
    std::vector<int> newPlaceOf(count);
    for (int i = 0; i < count; ++i) {
        sorted.push_back(std::move(begin[order[i].place]));
        newPlaceOf[order[i].place] = i;
    }
    std::move(sorted.begin(), sorted.end(), begin);
    marked = 0;
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex &old : before) {
        const int place = old.row() - (first - 1);
        const bool moved = place >= 0 && place < count;
        after << index(moved ? first - 1 + newPlaceOf[place] : old.row(), old.column());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

void WeightLog::setMarkedRow(int row)
{
    const int previous = marked;
    marked = row;
    if (previous > 0)
        emit dataChanged(index(previous - 1, 0), index(previous - 1, 0));
    if (row > 0)
        emit dataChanged(index(row - 1, 0), index(row - 1, 0));
}

int WeightLog::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : entryCount();
}

int WeightLog::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant WeightLog::data(const QModelIndex &index, int role) const
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

QVariant WeightLog::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section > 2)
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    static const QString headings[] = {QString(), u"年月日"_s, u"体重"_s};
    return headings[section];
}

WeightLog &weightLog()
{
    // Never deleted: views and screens that outlive main() may still refer to it.
    static auto *log = new WeightLog;
    return *log;
}
