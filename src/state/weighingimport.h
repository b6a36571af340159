// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Weighings taken from a paste or a file into the weight log by the rules of the log editor's
// write: a date after the declaration date that reads back from its "yyyymmdd" text, a weight from
// 0 to 999.9 kg kept as its "###.0" text. A weighing the log already holds, or that an earlier
// line of the same text gave, is not taken twice.

#include <QAnyStringView>
#include <QDate>
#include <QSet>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

// Log entries as (date text, weight text) pairs, for finding a weighing already there. Only texts
// in the log's two formats ("yyyymmdd", "###.0") are held: an entry in any other form (the blank
// row of a pending new entry) can equal no weighing taken.
class WeighingKeys
{
public:
    void reserve(qsizetype count) { keys.reserve(count); }
    // False when the entry was held already, or is in neither format.
    bool insert(QAnyStringView dateText, QAnyStringView weightText);
    bool contains(QAnyStringView dateText, QAnyStringView weightText) const;

private:
    QSet<quint64> keys;
};

enum class ImportRefusal : std::uint8_t
{
    UnreadableDate,
    DateOutOfRange,
    UnreadableWeight,
    WeightOutOfRange,
    AlreadyInLog,
    RepeatedInText,
    NotAfterDeclaration
};

// The reason as the user reads it, short and plain: "日付が宣言日以前です".
QString refusalReason(ImportRefusal refusal);

struct RefusedLine
{
    qsizetype line = 0; // counted from 1
    ImportRefusal refusal = ImportRefusal::UnreadableDate;
};

struct TakenWeighing
{
    QString dateText;   // "yyyymmdd"
    QString weightText; // "###.0"
};

struct WeighingImport
{
    std::vector<TakenWeighing> taken; // in text order; the caller inserts and sorts them
    std::vector<RefusedLine> refused; // every line with a date that was not taken, in text order
    QString message;                  // what to tell the user, taken and refused alike
};

// The weighings of `text` (see readWeighings) measured against the declaration date and the
// entries the log holds.
WeighingImport importWeighings(QStringView text, QDate declarationDate,
                               const WeighingKeys &logEntries);
