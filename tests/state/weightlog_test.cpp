// SPDX-License-Identifier: GPL-3.0-or-later
// The weight log: its compact rows, the descending sort and the selection mark.

#include "state/weightlog.h"

#include <QPersistentModelIndex>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

WeightLog::Entry entry(const QString &date, const QString &weight)
{
    return {QStringView(date), QStringView(weight)};
}

QStringList texts(const WeightLog &model)
{
    QStringList out;
    for (int row = 1; row <= model.entryCount(); ++row)
        out << model.dateText(row) + u' ' + model.weightText(row);
    return out;
}

} // namespace

TEST(WeightLog, KeepsEveryTextWholeThroughSortAndCopies)
{
    WeightLog model;
    const QString longWeight = u"123456789012345678901.0"_s;
    model.setEntries({entry(u"20081001"_s, u"78.0"_s), entry(u"20081002"_s, longWeight),
                      entry(u"２００８"_s, u"体重"_s), entry(u"20080912"_s, u"80.0"_s)});
    model.sortDescending(1, 4);
    EXPECT_EQ(texts(model), (QStringList{u"20081002 "_s + longWeight, u"20081001 78.0"_s,
                                         u"20080912 80.0"_s, u"２００８ 体重"_s}));
    EXPECT_EQ(model.weightNumber(1), 123456789012345678901.0);
    EXPECT_EQ(model.weightNumber(4), 0) << "no number";

    WeightLog::Entry copied = entry(u"x"_s, longWeight);
    WeightLog::Entry copy = copied;
    copied = entry(u"y"_s, u"1.0"_s);
    EXPECT_EQ(copy.weight.toString(), longWeight);
    copy = copy; // self-assignment keeps the text
    EXPECT_EQ(copy.weight.toString(), longWeight);
}

TEST(WeightLog, SortsDescendingByDateThenWeightAsNumbers)
{
    WeightLog model;
    model.setEntries({entry(u"20081001"_s, u"9.5"_s), entry(u"20081015"_s, u"76.5"_s),
                      entry(u"20081001"_s, u"10.0"_s), entry(u"20081001"_s, u".5"_s),
                      entry(u"20080912"_s, u"80.0"_s)});
    model.setMarkedRow(2);
    const QPersistentModelIndex followed = model.index(0, 2); // 20081001 9.5
    const QPersistentModelIndex outside = model.index(4, 1);
    model.sortDescending(1, 4);
    EXPECT_EQ(texts(model), (QStringList{u"20081015 76.5"_s, u"20081001 10.0"_s, u"20081001 9.5"_s,
                                         u"20081001 .5"_s, u"20080912 80.0"_s}));
    EXPECT_EQ(model.markedRow(), 0);
    EXPECT_EQ(followed.row(), 2) << "views keep their place on the moved row";
    EXPECT_EQ(outside.row(), 4);

    // Only the range is sorted.
    model.setEntries({entry(u"20081001"_s, u"78.0"_s), entry(u"20081020"_s, u"76.0"_s),
                      entry(u"20081030"_s, u"80.0"_s)});
    model.sortDescending(1, 2);
    EXPECT_EQ(texts(model),
              (QStringList{u"20081020 76.0"_s, u"20081001 78.0"_s, u"20081030 80.0"_s}));
}

TEST(WeightLog, InsertAndRemoveKeepTheMarkOnItsRow)
{
    WeightLog model;
    model.setEntries({entry(u"20081015"_s, u"76.5"_s), entry(u"20081001"_s, u"78.0"_s),
                      entry(u"20080912"_s, u"80.0"_s)});
    model.setMarkedRow(2);
    model.insertBlankEntry(1);
    EXPECT_EQ(model.markedRow(), 3);
    EXPECT_EQ(model.dateText(1), QString());
    EXPECT_EQ(model.data(model.index(2, 0)).toString(), u">"_s);
    model.removeEntry(1);
    EXPECT_EQ(model.markedRow(), 2);
    model.removeEntry(0);
    model.removeEntry(4);
    EXPECT_EQ(model.entryCount(), 3);
    model.removeEntry(2);
    EXPECT_EQ(model.markedRow(), 0);
    EXPECT_EQ(texts(model), (QStringList{u"20081015 76.5"_s, u"20080912 80.0"_s}));

    // Many rows at once, then one sort that leaves the declaration entry last.
    model.setMarkedRow(1);
    model.insertEntries(1, {entry(u"20081020"_s, u"75.0"_s), entry(u"20080901"_s, u"90.0"_s)});
    EXPECT_EQ(model.markedRow(), 3);
    model.sortNewestFirst();
    EXPECT_EQ(texts(model), (QStringList{u"20081020 75.0"_s, u"20081015 76.5"_s, u"20080901 90.0"_s,
                                         u"20080912 80.0"_s}));
}
