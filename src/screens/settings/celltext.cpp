// SPDX-License-Identifier: GPL-3.0-or-later
#include "celltext.h"

#include "state/numbers.h"

#include <cstring>
#include <utility>

namespace {

bool fitsInline(QStringView text, int capacity)
{
    if (text.size() > capacity)
        return false;
    for (QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

} // namespace

CellText::CellText(QStringView text)
{
    if (fitsInline(text, InlineCapacity)) {
        for (qsizetype i = 0; i < text.size(); ++i)
            chars[i] = static_cast<char>(text[i].unicode());
        length = static_cast<std::uint8_t>(text.size());
        return;
    }
    auto *copy = new QString(text.toString());
    std::memcpy(chars, &copy, sizeof copy);
    length = OnHeap;
}

CellText::CellText(QLatin1StringView text)
{
    if (text.size() > InlineCapacity) {
        *this = CellText(QString(text));
        return;
    }
    std::memcpy(chars, text.data(), text.size());
    length = static_cast<std::uint8_t>(text.size());
}

CellText::CellText(const CellText &other)
{
    if (other.length == OnHeap)
        *this = CellText(*other.heapText());
    else
        takeBytesOf(other);
}

CellText &CellText::operator=(const CellText &other)
{
    if (this != &other)
        *this = CellText(other);
    return *this;
}

QString CellText::toString() const
{
    if (length == OnHeap)
        return *heapText();
    return QString::fromLatin1(chars, length);
}

QStringView CellText::view(Buffer &buffer) const
{
    if (length == OnHeap)
        return *heapText();
    for (int i = 0; i < length; ++i)
        buffer[i] = static_cast<unsigned char>(chars[i]);
    return QStringView(buffer.data(), length);
}

std::optional<double> CellText::number() const
{
    Buffer buffer;
    return parseNumber(view(buffer));
}

QString *CellText::heapText() const
{
    QString *text = nullptr;
    std::memcpy(&text, chars, sizeof text);
    return text;
}

void CellText::deleteHeapText()
{
    delete heapText();
}
