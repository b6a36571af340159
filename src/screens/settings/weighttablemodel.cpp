#include "weighttablemodel.h"

#include <algorithm>
#include <numeric>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// One cell reduced to what the sort compares: its number, or its text when it is none.
struct SortKey
{
    explicit SortKey(const CellText &cell) : number(cell.number())
    {
        if (!number)
            text = cell.toString();
    }

    // Negative when `a` belongs above `b` in the descending order, 0 when they tie.
    static int descending(const SortKey &a, const SortKey &b)
    {
        if (a.number && b.number)
            return *a.number > *b.number ? -1 : (*a.number < *b.number ? 1 : 0);
        if (a.number || b.number)
            return a.number ? -1 : 1;
        return -QString::compare(a.text, b.text);
    }

    std::optional<double> number;
    QString text;
};

} // namespace

int WeightTableModel::entryCount() const
{
    return static_cast<int>(rows.size());
}

QString WeightTableModel::dateText(int row) const
{
    return rows.at(row - 1).date.toString();
}

QString WeightTableModel::weightText(int row) const
{
    return rows.at(row - 1).weight.toString();
}

double WeightTableModel::weightNumber(int row) const
{
    return rows.at(row - 1).weight.number().value_or(0);
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
    rows.at(row - 1) = Entry(date, weight);
    emit dataChanged(index(row - 1, 1), index(row - 1, 2));
}

void WeightTableModel::insertBlankEntry(int row)
{
    // Growing by an eighth rather than doubling keeps the memory per row near its 32 bytes.
    if (rows.size() == rows.capacity())
        rows.reserve(rows.size() + rows.size() / 8 + 16);
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

void WeightTableModel::sortDescending(int first, int last)
{
    first = std::max(first, 1);
    last = std::min(last, entryCount());
    if (first >= last)
        return;
    // The keys are worked out once per row, not once per comparison.
    const int count = last - first + 1;
    const auto begin = rows.begin() + (first - 1);
    std::vector<std::pair<SortKey, SortKey>> keys;
    keys.reserve(count);
    for (auto row = begin; row != begin + count; ++row)
        keys.emplace_back(SortKey(row->date), SortKey(row->weight));
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int byDate = SortKey::descending(keys[a].first, keys[b].first);
        return byDate != 0 ? byDate < 0 : SortKey::descending(keys[a].second, keys[b].second) < 0;
    });

    emit layoutAboutToBeChanged();
    std::vector<Entry> sorted;
    sorted.reserve(count);
    std::vector<int> newPlaceOf(count);
    for (int i = 0; i < count; ++i) {
        sorted.push_back(std::move(begin[order[i]]));
        newPlaceOf[order[i]] = i;
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
    if (orientation != Qt::Horizontal || section < 0 || section > 2)
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    static const QString headings[] = {QString(), u"年月日"_s, u"体重"_s};
    return headings[section];
}
