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
// returns false (and leaves its target alone) when the next field is missing or of another kind;
// a text is only read when it could be written back (see isStorableText).
class FieldReader
{
public:
    explicit FieldReader(QByteArrayView bytes) : data(bytes) {}

    bool readInteger(std::int32_t &value);
    bool readReal(double &value);
    bool readText(QString &value);
    bool readDate(DateSerial &value);

    // True when only blanks and line ends remain.
    bool atEnd();

private:
    // The raw bytes of the next field and whether it was quoted; false at the end of the data.
    bool nextField(QByteArrayView &field, bool &quoted);
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
    // False when the text holds a quote, a line break or a character the code page cannot encode;
    // such a text is never written altered: the caller reports it and writes nothing.
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

// Code page conversion of one text (strict: false on any byte or character it cannot convert).
bool encodeCodePage(QStringView text, QByteArray &bytes);
bool decodeCodePage(QByteArrayView bytes, QString &text);
