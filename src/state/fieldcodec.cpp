// SPDX-License-Identifier: GPL-3.0-or-later
#include "fieldcodec.h"

#include "dateserial.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

constexpr char codePageName[] = "windows-31j";

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

enum class FieldKind
{
    Plain,
    Quoted,
    Dated
};

FieldKind kindOf(char first)
{
    if (first == '"')
        return FieldKind::Quoted;
    if (first == '#')
        return FieldKind::Dated;
    return FieldKind::Plain;
}

// "yyyy-mm-dd" with an optional " hh:mm:ss".
bool parseDateTime(QByteArrayView text, DateSerial &value)
{
    auto number = [&](qsizetype from, qsizetype length, int &out) {
        if (from + length > text.size())
            return false;
        out = 0;
        for (const char c : text.sliced(from, length)) {
            if (c < '0' || c > '9')
                return false;
            out = out * 10 + (c - '0');
        }
        return true;
    };
    int year = 0, month = 0, day = 0;
    if (text.size() < 10 || text[4] != '-' || text[7] != '-' || !number(0, 4, year) ||
        !number(5, 2, month) || !number(8, 2, day))
        return false;
    const std::optional<DateSerial> date = serialFromCivil(year, month, day);
    if (!date)
        return false;
    if (text.size() == 10) {
        value = *date;
        return true;
    }
    int hour = 0, minute = 0, second = 0;
    if (text.size() != 19 || text[10] != ' ' || text[13] != ':' || text[16] != ':' ||
        !number(11, 2, hour) || !number(14, 2, minute) || !number(17, 2, second) ||
        !QTime::isValid(hour, minute, second))
        return false;
    value = *date + (hour * 3600 + minute * 60 + second) / 86400.0;
    return true;
}

// ICU's converter for the code page follows IBM in turning three control codes round (0x1A, 0x1C,
// 0x7F); Windows keeps every byte below 0x80 as the same character, and so do the files.
char16_t icuFromWindows(char16_t c)
{
    switch (c) {
    case 0x1A:
        return 0x1C;
    case 0x1C:
        return 0x7F;
    case 0x7F:
        return 0x1A;
    default:
        return c;
    }
}

char16_t windowsFromIcu(char16_t c)
{
    switch (c) {
    case 0x1C:
        return 0x1A;
    case 0x7F:
        return 0x1C;
    case 0x1A:
        return 0x7F;
    default:
        return c;
    }
}

// The first byte of a double-byte character of the code page, and the bytes that may follow it.
bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isTrailByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

// The bytes decoded as a whole; empty on any byte that does not decode, a character cut short at
// the end included.
std::optional<QString> decodeStrictly(QByteArrayView bytes)
{
    QStringDecoder decoder(codePageName, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    for (QChar &c : text)
        c = QChar(windowsFromIcu(c.unicode()));
    return text;
}

// `count` decimal digits of a value that has no more, with leading zeros.
char *digits(char *out, int value, int count)
{
    for (int i = count - 1; i >= 0; --i, value /= 10)
        out[i] = char('0' + value % 10);
    return out + count;
}

constexpr int RealBufferSize = 32;

// A real's written form into `buffer`; returns its length. std::to_chars with a precision writes
// what "%.15g" writes in the C locale, with a point whatever the user's locale.
int writeReal(double value, char (&buffer)[RealBufferSize])
{
    if (!std::isfinite(value) || value == 0) {
        buffer[0] = '0';
        return 1;
    }
    // Fifteen digits round the very largest reals up past the largest double, which would not
    // read back; they are written as the largest fifteen-digit real instead.
    constexpr double largestWritable = 1.79769313486231e308;
    value = std::clamp(value, -largestWritable, largestWritable);
    char *const end =
        std::to_chars(buffer, buffer + RealBufferSize, value, std::chars_format::general, 15).ptr;
    int length = static_cast<int>(end - buffer);
    // No zero before the point: "0.5" becomes ".5", "-0.5" becomes "-.5".
    const int zero = buffer[0] == '-' ? 1 : 0;
    if (length > zero + 1 && buffer[zero] == '0' && buffer[zero + 1] == '.') {
        std::memmove(buffer + zero, buffer + zero + 1, length - zero - 1);
        --length;
    }
    return length;
}

} // namespace

FieldReader::FieldReader(QByteArrayView bytes) : data(bytes)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        pos = 3;
}

void FieldReader::skipBlankLinesAndSpaces()
{
    while (pos < data.size() && (isBlank(data[pos]) || (atRecordStart && isLineEnd(data[pos]))))
        ++pos;
}

bool FieldReader::atEnd()
{
    while (pos < data.size() && (isBlank(data[pos]) || isLineEnd(data[pos])))
        ++pos;
    atRecordStart = true;
    return pos >= data.size();
}

bool FieldReader::nextField(QByteArrayView &field, bool &quoted)
{
    skipBlankLinesAndSpaces();
    if (pos >= data.size())
        return false;

    const FieldKind kind = kindOf(data[pos]);
    qsizetype end = pos;
    if (kind == FieldKind::Plain) {
        while (end < data.size() && data[end] != ',' && !isLineEnd(data[end]))
            ++end;
        field = data.sliced(pos, end - pos);
    } else {
        const char closing = kind == FieldKind::Quoted ? '"' : '#';
        const qsizetype close = data.indexOf(closing, pos + 1);
        if (close < 0)
            return false; // an unterminated quote or date swallows the rest: unreadable
        // A text is what stands between its quotes; a date keeps its # marks so that it can be
        // told apart from a plain field.
        field = kind == FieldKind::Quoted ? data.sliced(pos + 1, close - pos - 1)
                                          : data.sliced(pos, close + 1 - pos);
        end = close + 1;
        // Whatever stands between the closing mark and the delimiter is dropped.
        while (end < data.size() && data[end] != ',' && !isLineEnd(data[end]))
            ++end;
    }
    quoted = kind == FieldKind::Quoted;

    pos = end;
    atRecordStart = true;
    if (pos < data.size()) {
        if (data[pos] == ',') {
            atRecordStart = false;
            ++pos;
        } else if (data[pos] == '\r') {
            ++pos;
            if (pos < data.size() && data[pos] == '\n')
                ++pos;
        } else {
            ++pos;
        }
    }
    return true;
}

bool FieldReader::nextNumber(QByteArrayView &field)
{
    bool quoted = false;
    if (!nextField(field, quoted) || quoted)
        return false;
    while (!field.isEmpty() && isBlank(field.back()))
        field.chop(1);
    return !field.isEmpty() && field.front() != '#';
}

bool FieldReader::readInteger(std::int32_t &value)
{
    QByteArrayView field;
    if (!nextNumber(field))
        return false;
    const char *first = field.data();
    const char *last = first + field.size();
    if (*first == '+')
        ++first;
    std::int32_t parsed = 0;
    const auto [ptr, ec] = std::from_chars(first, last, parsed);
    if (ec != std::errc() || ptr != last)
        return false;
    value = parsed;
    return true;
}

bool FieldReader::readReal(double &value)
{
    QByteArrayView field;
    if (!nextNumber(field))
        return false;
    const char *first = field.data();
    const char *last = first + field.size();
    if (*first == '+')
        ++first;
    double parsed = 0;
    const auto [ptr, ec] = std::from_chars(first, last, parsed);
    if (ec != std::errc() || ptr != last || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool FieldReader::readText(QString &value)
{
    QByteArrayView field;
    bool quoted = false;
    if (!nextField(field, quoted) || (!quoted && !field.isEmpty() && field.front() == '#'))
        return false;
    value = decodeCodePage(field);
    return true;
}

bool FieldReader::readDate(DateSerial &value)
{
    QByteArrayView field;
    bool quoted = false;
    if (!nextField(field, quoted) || quoted || field.size() < 2 || field.front() != '#' ||
        field.back() != '#')
        return false;
    return parseDateTime(field.sliced(1, field.size() - 2), value);
}

void FieldWriter::separate()
{
    if (inRecord)
        out += ',';
    inRecord = true;
}

void FieldWriter::integer(std::int32_t value)
{
    separate();
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr - buffer);
}

void FieldWriter::real(double value)
{
    separate();
    char buffer[RealBufferSize];
    out.append(buffer, writeReal(value, buffer));
}

bool FieldWriter::text(const QString &value)
{
    separate();
    QByteArray bytes;
    const bool storable = encodeCodePage(storableForm(value), bytes);
    allTextsEncodable = allTextsEncodable && storable;
    out += '"';
    if (storable)
        out += bytes;
    out += '"';
    return storable;
}

void FieldWriter::date(DateSerial value)
{
    separate();
    const DayAndTime moment = dayAndTimeFromSerial(value);
    const CivilDate &day = moment.date;
    char buffer[40];
    char *end = buffer;
    *end++ = '#';
    if (day.year >= 0 && day.year <= 9999) {
        end = digits(end, day.year, 4);
    } else if (day.year < 0) { // four places with the sign: -5 is "-005"
        *end++ = '-';
        end = day.year > -1000 ? digits(end, -day.year, 3)
                               : std::to_chars(end, end + 12, -static_cast<long>(day.year)).ptr;
    } else {
        end = std::to_chars(end, end + 12, day.year).ptr;
    }
    *end++ = '-';
    end = digits(end, day.month, 2);
    *end++ = '-';
    end = digits(end, day.day, 2);
    if (moment.seconds != 0) {
        *end++ = ' ';
        end = digits(end, moment.seconds / 3600, 2);
        *end++ = ':';
        end = digits(end, moment.seconds / 60 % 60, 2);
        *end++ = ':';
        end = digits(end, moment.seconds % 60, 2);
    }
    *end++ = '#';
    out.append(buffer, end - buffer);
}

void FieldWriter::endRecord()
{
    out += "\r\n";
    inRecord = false;
}

QByteArray formatReal(double value)
{
    char buffer[RealBufferSize];
    return QByteArray(buffer, writeReal(value, buffer));
}

bool isStorableText(QStringView text)
{
    for (QChar c : text) {
        if (c == u'"' || c == u'\r' || c == u'\n')
            return false;
    }
    QByteArray ignored;
    return encodeCodePage(text, ignored);
}

QString storableForm(QStringView text, QStringView quote)
{
    QString stored;
    stored.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"') {
            stored += quote;
        } else if (c == u'\r' || c == u'\n') {
            stored += u' ';
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            stored += c;
        }
    }
    return stored;
}

bool encodeCodePage(QStringView text, QByteArray &bytes)
{
    bytes.clear();
    QStringEncoder encoder(codePageName);
    qsizetype from = 0;
    const auto encodeUpTo = [&](qsizetype to) {
        if (to == from)
            return;
        QString icuText = text.sliced(from, to - from).toString();
        for (QChar &c : icuText)
            c = QChar(icuFromWindows(c.unicode()));
        bytes += encoder.encode(icuText);
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isRawByte(text[i])) {
            encodeUpTo(i);
            bytes += static_cast<char>(rawByteOf(text[i]));
            from = i + 1;
        }
    }
    encodeUpTo(text.size());
    return !encoder.hasError();
}

QString decodeCodePage(QByteArrayView bytes)
{
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    if (std::optional<QString> text = decodeStrictly(bytes))
        return *text;
    // Character by character: one that decodes is itself, each byte of one that does not is held
    // as a raw byte.
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const qsizetype length =
            isLeadByte(byte) && i + 1 < bytes.size() && isTrailByte(bytes[i + 1]) ? 2 : 1;
        const std::optional<QString> character =
            byte < 0x80 ? QString(QChar(byte)) : decodeStrictly(bytes.sliced(i, length));
        if (character && !character->isEmpty()) {
            text += *character;
        } else {
            for (qsizetype k = i; k < i + length; ++k)
                text += QChar(char16_t(0xF780 + static_cast<unsigned char>(bytes[k])));
        }
        i += length;
    }
    return text;
}
