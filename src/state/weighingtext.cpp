// SPDX-License-Identifier: GPL-3.0-or-later
#include "weighingtext.h"

#include <QDate>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <charconv>
#include <initializer_list>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double kilogramsPerPound = 0.45359237;

enum class Separator
{
    Tab,
    Semicolon,
    Comma,
    Blanks
};

// The order in which the separators are tried: an earlier one wins a tie.
constexpr std::array separators = {Separator::Tab, Separator::Semicolon, Separator::Comma,
                                   Separator::Blanks};

// The separator is judged on the first dated lines of a text, looked for among its first lines
// that are not blank or comments (a heading, a title or two, then the weighings).
constexpr int datedLinesJudged = 20;
constexpr int linesJudged = 100;

char16_t separatorCharacter(Separator separator)
{
    switch (separator) {
    case Separator::Tab:
        return u'\t';
    case Separator::Semicolon:
        return u';';
    case Separator::Comma:
        return u',';
    case Separator::Blanks:
        break;
    }
    return u' ';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

struct Field
{
    QStringView text; // without blanks around it, or inside its quotes
    bool quoted = false;
};
using Fields = QVarLengthArray<Field, 16>;

// The line's fields. A quoted field runs to its closing quote (a doubled quote stays in it),
// whatever stands in it; what follows the closing quote up to the next separator is dropped.
void splitFields(QStringView line, Separator separator, Fields &fields)
{
    fields.clear();
    const bool blanks = separator == Separator::Blanks;
    const char16_t mark = separatorCharacter(separator);
    const auto endsField = [&](QChar c) { return blanks ? isBlank(c) : c == mark; };
    const qsizetype n = line.size();
    qsizetype i = 0;
    for (;;) {
        while (i < n && isBlank(line[i]) && (blanks || line[i] != mark))
            ++i;
        if (blanks && i == n)
            return;
        if (i < n && line[i] == u'"') {
            qsizetype close = i + 1;
            for (; close < n; ++close) {
                if (line[close] == u'"') {
                    if (close + 1 < n && line[close + 1] == u'"')
                        ++close;
                    else
                        break;
                }
            }
            fields.append({line.sliced(i + 1, close - i - 1), true});
            for (i = close; i < n && !endsField(line[i]);)
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && !endsField(line[i]))
                ++i;
            fields.append({line.sliced(start, i - start).trimmed(), false});
        }
        if (i >= n)
            return;
        ++i;
    }
}

// A run of at most `most` digits at `i`, read into `value`; how many there were.
int readDigits(QStringView s, qsizetype &i, int most, int &value)
{
    value = 0;
    int count = 0;
    for (; i < s.size() && count < most && isDigit(s[i]); ++i, ++count)
        value = value * 10 + (s[i].unicode() - u'0');
    return count;
}

bool skipCharacter(QStringView s, qsizetype &i, QChar c)
{
    if (i >= s.size() || s[i] != c)
        return false;
    ++i;
    return true;
}

// "7:30", "07:30:00" or "07:30:00.000", then an optional zone: "Z", "+09:00", "+0900", "-05".
bool isTimeOfDay(QStringView s)
{
    qsizetype i = 0;
    int unused = 0;
    if (readDigits(s, i, 2, unused) == 0 || !skipCharacter(s, i, u':') ||
        readDigits(s, i, 2, unused) != 2)
        return false;
    if (skipCharacter(s, i, u':')) {
        if (readDigits(s, i, 2, unused) != 2)
            return false;
        if ((skipCharacter(s, i, u'.') || skipCharacter(s, i, u',')) &&
            readDigits(s, i, 9, unused) == 0)
            return false;
    }
    while (i < s.size() && isBlank(s[i]))
        ++i;
    if (i == s.size())
        return true;
    if (skipCharacter(s, i, u'Z'))
        return i == s.size();
    if (!skipCharacter(s, i, u'+') && !skipCharacter(s, i, u'-'))
        return false;
    if (readDigits(s, i, 2, unused) != 2)
        return false;
    skipCharacter(s, i, u':');
    return i == s.size() || (readDigits(s, i, 2, unused) == 2 && i == s.size());
}

enum class DateShape
{
    None,          // not written like a date
    NoCalendarDay, // written like one, naming no day
    CalendarDay
};

DateShape readDate(QStringView s, CivilDate &date)
{
    qsizetype i = 0;
    int first = 0, year = 0, month = 0, day = 0;
    const int firstDigits = readDigits(s, i, 8, first);
    const auto number = [&](int digits, int &value) { return readDigits(s, i, digits, value) > 0; };
    if (firstDigits == 8) {
        year = first / 10000;
        month = first / 100 % 100;
        day = first % 100;
    } else if (firstDigits == 4 && i < s.size() && (s[i] == u'-' || s[i] == u'/' || s[i] == u'.')) {
        const QChar separator = s[i++];
        year = first;
        if (!number(2, month) || !skipCharacter(s, i, separator) || !number(2, day))
            return DateShape::None;
    } else if (firstDigits == 4 && skipCharacter(s, i, u'年')) {
        year = first;
        if (!number(2, month) || !skipCharacter(s, i, u'月') || !number(2, day) ||
            !skipCharacter(s, i, u'日'))
            return DateShape::None;
    } else if ((firstDigits == 1 || firstDigits == 2) && skipCharacter(s, i, u'.')) {
        day = first;
        if (!number(2, month) || !skipCharacter(s, i, u'.') || readDigits(s, i, 4, year) != 4)
            return DateShape::None;
    } else {
        return DateShape::None;
    }
    // Nothing after the date, or a time of day after blanks or a "T".
    if (i < s.size()) {
        qsizetype time = i + 1;
        if (s[i] != u'T') {
            for (time = i; time < s.size() && isBlank(s[time]);)
                ++time;
            if (time == i)
                return DateShape::None;
        }
        if (!isTimeOfDay(s.sliced(time)))
            return DateShape::None;
    }
    date = {year, month, day};
    return QDate::isValid(year, month, day) ? DateShape::CalendarDay : DateShape::NoCalendarDay;
}

enum class Unit
{
    None,
    Kilograms,
    Pounds
};

Unit unitNamed(QStringView s)
{
    for (const QStringView name : {u"kg"_s, u"kgs"_s, u"キロ"_s})
        if (s.compare(name, Qt::CaseInsensitive) == 0)
            return Unit::Kilograms;
    for (const QStringView name : {u"lb"_s, u"lbs"_s, u"ポンド"_s})
        if (s.compare(name, Qt::CaseInsensitive) == 0)
            return Unit::Pounds;
    return Unit::None;
}

// A number with a decimal point or a decimal comma, with a unit after it or not.
std::optional<double> readNumber(QStringView s, Unit &unit)
{
    char digits[32];
    int length = 0, count = 0;
    bool point = false;
    qsizetype i = 0;
    if (skipCharacter(s, i, u'-'))
        digits[length++] = '-';
    else
        skipCharacter(s, i, u'+');
    for (; i < s.size() && length < int(sizeof digits); ++i) {
        if (isDigit(s[i])) {
            digits[length++] = char(s[i].unicode());
            ++count;
        } else if ((s[i] == u'.' || s[i] == u',') && !point) {
            digits[length++] = '.';
            point = true;
        } else {
            break;
        }
    }
    const QStringView rest = s.sliced(i).trimmed();
    unit = rest.isEmpty() ? Unit::None : unitNamed(rest);
    if (count == 0 || (!rest.isEmpty() && unit == Unit::None))
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(digits, digits + length, value);
    if (error != std::errc() || end != digits + length)
        return std::nullopt;
    return value;
}

// The weight of field `k` in kilograms. A field that names no unit takes the next field's (a unit
// on its own) or else the column's.
std::optional<double> readWeight(const Fields &fields, qsizetype k, bool poundsColumn)
{
    Unit unit = Unit::None;
    const std::optional<double> value = readNumber(fields[k].text, unit);
    if (!value)
        return std::nullopt;
    if (unit == Unit::None && k + 1 < fields.size())
        unit = unitNamed(fields[k + 1].text);
    const bool pounds = unit == Unit::Pounds || (unit == Unit::None && poundsColumn);
    return pounds ? *value * kilogramsPerPound : *value;
}

// The columns a heading line names.
struct Columns
{
    qsizetype date = -1;
    qsizetype weight = -1;
    bool pounds = false;
    qsizetype count = 0;
};

bool containsAny(QStringView text, std::initializer_list<QStringView> words)
{
    for (const QStringView word : words)
        if (text.contains(word, Qt::CaseInsensitive))
            return true;
    return false;
}

// A heading names a date column (date, dateTime, time, day, 日付, 日時, 年月日 …) and a weight
// column: the first one named a weight (weight, 体重, 重量), or else the first one named by a
// unit only ("kg", "lbs"), so that a "Fat mass (kg)" before "Weight (kg)" is passed over.
std::optional<Columns> columnsNamedIn(const Fields &fields)
{
    Columns columns;
    qsizetype byUnit = -1;
    for (qsizetype k = 0; k < fields.size(); ++k) {
        const QStringView name = fields[k].text;
        if (columns.weight < 0 && containsAny(name, {u"weight"_s, u"体重"_s, u"重量"_s}))
            columns.weight = k;
        else if (columns.date < 0 && containsAny(name, {u"date"_s, u"time"_s, u"day"_s, u"日"_s}))
            columns.date = k;
        else if (byUnit < 0 && containsAny(name, {u"kg"_s, u"lb"_s, u"ポンド"_s, u"キロ"_s}))
            byUnit = k;
    }
    if (columns.weight < 0)
        columns.weight = byUnit;
    if (columns.date < 0 || columns.weight < 0)
        return std::nullopt;
    const QStringView weightName = fields[columns.weight].text;
    columns.pounds = containsAny(weightName, {u"lb"_s, u"pound"_s, u"ポンド"_s}) &&
                     !weightName.contains(u"kg"_s, Qt::CaseInsensitive);
    columns.count = fields.size();
    return columns;
}

struct Layout
{
    Separator separator = Separator::Tab;
    std::optional<Columns> columns;
};

bool isDigitRun(QStringView s)
{
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), isDigit);
}

// In a comma-separated text an unquoted decimal comma splits the weight in two. So a line of
// three fields in a text of two columns (a heading of two, or none), whose last two fields are
// whole numbers with nothing but one comma between them ("2008-10-18,79,6"), holds one weight
// with a decimal comma; "2008-10-18, 79, 6" or a third column headed as such stay three fields.
void joinDecimalComma(Fields &fields, const Layout &layout)
{
    if (layout.separator != Separator::Comma || fields.size() != 3 ||
        (layout.columns && (layout.columns->count != 2 || layout.columns->date != 0)))
        return;
    const Field &whole = fields[1], &tenths = fields[2];
    if (whole.quoted || tenths.quoted || !isDigitRun(whole.text) || !isDigitRun(tenths.text) ||
        whole.text.end() + 1 != tenths.text.begin())
        return;
    fields[1].text = QStringView(whole.text.begin(), tenths.text.end());
    fields.resize(2);
}

// The weighing of a line split into fields, none when it holds no date.
std::optional<TextWeighing> weighingIn(Fields &fields, const Layout &layout)
{
    joinDecimalComma(fields, layout);
    TextWeighing weighing;
    const auto withWeight = [&](qsizetype k, bool poundsColumn) {
        const std::optional<double> kilograms = readWeight(fields, k, poundsColumn);
        if (!kilograms)
            return false;
        weighing.reading = TextWeighing::Reading::Read;
        weighing.kilograms = *kilograms;
        return true;
    };
    const auto dated = [&](qsizetype k) {
        switch (readDate(fields[k].text, weighing.date)) {
        case DateShape::None:
            return false;
        case DateShape::NoCalendarDay:
            weighing.reading = TextWeighing::Reading::UnreadableDate;
            return true;
        case DateShape::CalendarDay:
            weighing.reading = TextWeighing::Reading::UnreadableWeight;
            return true;
        }
        return false;
    };

    const std::optional<Columns> &columns = layout.columns;
    if (columns && columns->date < fields.size() && dated(columns->date)) {
        // Blanks also part a time of day from its date, which the heading counts as one column.
        const qsizetype afterDate = columns->date + 1;
        if (layout.separator == Separator::Blanks && fields.size() > columns->count &&
            afterDate < fields.size() && isTimeOfDay(fields[afterDate].text))
            fields.remove(afterDate);
        if (weighing.reading == TextWeighing::Reading::UnreadableWeight &&
            columns->weight < fields.size())
            withWeight(columns->weight, columns->pounds);
        return weighing;
    }
    // Without a heading, or when the named column holds no date (a heading wider than its lines,
    // a "Weekday" taken for the date), the first date and the first weight after it.
    for (qsizetype k = 0; k < fields.size(); ++k) {
        if (!dated(k))
            continue;
        if (weighing.reading == TextWeighing::Reading::UnreadableWeight) {
            for (qsizetype j = k + 1; j < fields.size(); ++j)
                if (withWeight(j, columns && columns->pounds && j == columns->weight))
                    break;
        }
        return weighing;
    }
    return std::nullopt;
}

// The lines of a text, each without its line end, and their numbers.
class Lines
{
public:
    explicit Lines(QStringView text) : text(text) {}

    bool next(QStringView &line)
    {
        const qsizetype n = text.size();
        if (position >= n)
            return false;
        qsizetype end = position;
        while (end < n && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        line = text.sliced(position, end - position);
        position = end + (end + 1 < n && text[end] == u'\r' && text[end + 1] == u'\n' ? 2 : 1);
        ++count;
        return true;
    }
    qsizetype number() const { return count; }

private:
    QStringView text;
    qsizetype position = 0;
    qsizetype count = 0;
};

bool isBlankOrComment(QStringView line)
{
    const QStringView start = line.trimmed();
    return start.isEmpty() || start.front() == u'#';
}

// The separator under which most of the first dated lines read as weighings (then most read as
// dated lines; a tie goes to the earlier one of tab, semicolon, comma and blanks), with the
// columns a line before the first dated one names under it.
Layout chooseLayout(QStringView text)
{
    Layout best;
    int bestRead = -1, bestDated = -1;
    Fields fields;
    for (const Separator separator : separators) {
        Layout layout{separator, std::nullopt};
        int read = 0, dated = 0, judged = 0;
        Lines lines(text);
        QStringView line;
        while (dated < datedLinesJudged && judged < linesJudged && lines.next(line)) {
            if (isBlankOrComment(line))
                continue;
            ++judged;
            splitFields(line, separator, fields);
            if (const std::optional<TextWeighing> weighing = weighingIn(fields, layout)) {
                ++dated;
                read += weighing->reading == TextWeighing::Reading::Read;
            } else if (dated == 0 && !layout.columns) {
                layout.columns = columnsNamedIn(fields);
            }
        }
        if (read > bestRead || (read == bestRead && dated > bestDated)) {
            best = layout;
            bestRead = read;
            bestDated = dated;
        }
    }
    return best;
}

} // namespace

std::vector<TextWeighing> readWeighings(QStringView text)
{
    if (text.startsWith(u'\uFEFF'))
        text = text.sliced(1);
    const Layout layout = chooseLayout(text);
    std::vector<TextWeighing> weighings;
    Fields fields;
    Lines lines(text);
    QStringView line;
    while (lines.next(line)) {
        if (isBlankOrComment(line))
            continue;
        splitFields(line, layout.separator, fields);
        if (std::optional<TextWeighing> weighing = weighingIn(fields, layout)) {
            weighing->line = lines.number();
            weighings.push_back(*weighing);
        }
    }
    return weighings;
}
