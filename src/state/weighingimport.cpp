// SPDX-License-Identifier: GPL-3.0-or-later
#include "weighingimport.h"

#include "dateserial.h"
#include "entrytext.h"
#include "numbers.h"
#include "weighingtext.h"

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// How many refused lines the message names; the rest are counted.
constexpr qsizetype refusalsNamed = 5;

// An entry as one number: the eight date digits above the weight in tenths. Empty unless the texts
// are in the log's two forms.
std::optional<quint64> keyOf(QAnyStringView dateText, QAnyStringView weightText)
{
    const std::optional<EntryCharacters> entry = entryCharacters(dateText, weightText);
    if (!entry)
        return std::nullopt;
    quint64 date = 0, tenths = 0;
    for (const char digit : entry->date)
        date = date * 10 + quint64(digit - '0');
    for (qsizetype k = 0; k < entry->weightSize; ++k) {
        if (k != entry->weightSize - 2) // the point
            tenths = tenths * 10 + quint64(entry->weight[k] - '0');
    }
    return date << 32 | tenths;
}

QString messageFor(const WeighingImport &result)
{
    if (result.taken.empty() && result.refused.empty())
        return u"体重の記録が見つかりませんでした。1行に一つずつ、日付と体重をタブ、カンマ、"
               u"セミコロンか空白で区切って並べてください。"_s;
    QString message = result.taken.empty()
                          ? u"取り込んだ体重はありません。"_s
                          : QString::number(result.taken.size()) + u"件の体重を取り込みました。"_s;
    if (result.refused.empty())
        return message;
    message += QString::number(result.refused.size()) + u"件は取り込みませんでした。"_s;
    const qsizetype named = std::min<qsizetype>(result.refused.size(), refusalsNamed);
    for (qsizetype k = 0; k < named; ++k) {
        const RefusedLine &refused = result.refused[k];
        message +=
            u'\n' + QString::number(refused.line) + u"行目："_s + refusalReason(refused.refusal);
    }
    if (qsizetype(result.refused.size()) > named)
        message += u"\nほか"_s + QString::number(result.refused.size() - named) + u"件"_s;
    return message;
}

} // namespace

bool WeighingKeys::insert(QAnyStringView dateText, QAnyStringView weightText)
{
    const std::optional<quint64> key = keyOf(dateText, weightText);
    if (!key || keys.contains(*key))
        return false;
    keys.insert(*key);
    return true;
}

bool WeighingKeys::contains(QAnyStringView dateText, QAnyStringView weightText) const
{
    const std::optional<quint64> key = keyOf(dateText, weightText);
    return key && keys.contains(*key);
}

QString refusalReason(ImportRefusal refusal)
{
    // In the order of ImportRefusal.
    static const QString reasons[] = {u"日付が読めません"_s,    u"日付が範囲外です"_s,
                                      u"体重が読めません"_s,    u"体重が範囲外です"_s,
                                      u"既にある記録です"_s,    u"前の行と同じ記録です"_s,
                                      u"日付が宣言日以前です"_s};
    return reasons[std::size_t(refusal)];
}

WeighingImport importWeighings(QStringView text, QDate declarationDate,
                               const WeighingKeys &logEntries)
{
    WeighingImport result;
    const std::vector<TextWeighing> weighings = readWeighings(text);
    result.taken.reserve(weighings.size());
    WeighingKeys takenKeys;
    takenKeys.reserve(qsizetype(weighings.size()));
    const auto refuse = [&](const TextWeighing &weighing, ImportRefusal refusal) {
        result.refused.push_back({weighing.line, refusal});
    };
    for (const TextWeighing &weighing : weighings) {
        const auto [year, month, day] = weighing.date;
        const int eightDigits = year * 10000 + month * 100 + day;
        if (weighing.reading == TextWeighing::Reading::UnreadableDate) {
            refuse(weighing, ImportRefusal::UnreadableDate);
        } else if (eightDigits < 10000101 || eightDigits > 90000101) {
            refuse(weighing, ImportRefusal::DateOutOfRange);
        } else if (weighing.reading == TextWeighing::Reading::UnreadableWeight) {
            refuse(weighing, ImportRefusal::UnreadableWeight);
        } else if (!(weighing.kilograms >= 0 && weighing.kilograms <= 999.9)) {
            refuse(weighing, ImportRefusal::WeightOutOfRange);
        } else {
            const QDate date(year, month, day);
            TakenWeighing row{eightDigitsFromDate(date), formatWeightText(weighing.kilograms)};
            if (logEntries.contains(row.dateText, row.weightText))
                refuse(weighing, ImportRefusal::AlreadyInLog);
            else if (date <= declarationDate)
                refuse(weighing, ImportRefusal::NotAfterDeclaration);
            else if (!takenKeys.insert(row.dateText, row.weightText))
                refuse(weighing, ImportRefusal::RepeatedInText);
            else
                result.taken.push_back(std::move(row));
        }
    }
    result.message = messageFor(result);
    return result;
}
