// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The field codec of the data files: records of two comma-separated fields ending in CR LF, in the
// Windows Japanese code page. It knows nothing of what the fields mean and never touches a path.

#include "state.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Reads fields strictly in sequence: a comma or a line end closes a field, blanks before a field
// are skipped, a quoted field runs to the next quote, a field between # signs is a date-time.
// Fields are taken across line ends, so a missing field shifts the ones after it. Every read
// returns false (and leaves its target alone) when the next field is missing or of another kind.
// An unquoted text keeps the blanks at its end and may hold double quotes; a quoted one may hold
// line breaks. Both are read as they stand and take their storable form when written. A text is
// read whatever its bytes (see decodeCodePage); only numbers and dates must be of their kind. A
// UTF-8 byte-order mark that an editor put before the first field is passed over.
class FieldReader
{
public:
    explicit FieldReader(QByteArrayView bytes);

    bool readInteger(std::int32_t &value);
    bool readReal(double &value);
    bool readText(QString &value);
    bool readDate(DateSerial &value);

    // True when only blanks and line ends remain.
    bool atEnd();
    // Where the next field would start: just past the delimiter of the last field read.
    qsizetype position() const { return pos; }

private:
    // The raw bytes of the next field and whether it was quoted; false at the end of the data.
    bool nextField(QByteArrayView &field, bool &quoted);
    // The next field as an unquoted number: blanks after it dropped, never empty or a date.
    bool nextNumber(QByteArrayView &field);
    void skipBlankLinesAndSpaces();

    QByteArrayView data;
    qsizetype pos = 0;
    bool atRecordStart = true;
};

// Writes records exactly as the reader expects them: integers in decimal, reals with at most 15
// significant digits and no zero before the point, texts in quotes, dates as #yyyy-mm-dd# with the
// time of day added when there is one.
class FieldWriter
{
public:
    void integer(std::int32_t value);
    void real(double value);
    // Writes the text's storable form. False when it holds a character the code page cannot
    // encode; such a text is never written altered: the caller reports it and writes nothing.
    bool text(const QString &value);
    void date(DateSerial value);
    // Whole records their caller already holds in the written form of the kinds above, commas and
    // line ends included.
    void writtenRecords(QByteArrayView records) { out.append(records); }
    void endRecord();

    const QByteArray &bytes() const { return out; }
    bool ok() const { return allTextsEncodable; }
    void reserve(qsizetype size) { out.reserve(size); }

private:
    void separate();

    QByteArray out;
    bool inRecord = false;
    bool allTextsEncodable = true;
};

// The reals' written form on its own (also used for tests and the benchmark).
QByteArray formatReal(double value);

// Whether a text can be stored in a quoted field and read back whole.
bool isStorableText(QStringView text);

// The form a text is stored in. A quoted field can hold neither a double quote nor a line break,
// so each line break (CR LF, CR or LF) becomes one blank and each double quote becomes `quote`;
// every other character stays as it is. Only a hand-edited file brings such characters in: the
// input boxes refuse them as they are typed.
QString storableForm(QStringView text, QStringView quote = u"”");

// A byte of a text that the code page does not decode (either byte of a pair it leaves unassigned,
// a lead byte without its second byte, a byte that is no character) is held as the private-use
// character U+F780 + byte, which the encoder writes back as that byte. So a text read from a file
// is written back byte for byte, whatever it holds. The input boxes never let such a character in.
inline constexpr char16_t FirstRawByte = 0xF780;
inline constexpr char16_t LastRawByte = 0xF780 + 0xFF;
inline bool isRawByte(QChar c)
{
    return c.unicode() >= FirstRawByte && c.unicode() <= LastRawByte;
}
inline unsigned char rawByteOf(QChar c)
{
    return static_cast<unsigned char>(c.unicode() - 0xF780);
}

// Code page conversion of one text. Encoding is strict: false on a character that the code page
// cannot hold (raw bytes go back as themselves). Decoding never fails.
bool encodeCodePage(QStringView text, QByteArray &bytes);
QString decodeCodePage(QByteArrayView bytes);
