// SPDX-License-Identifier: GPL-3.0-or-later
#include "celltext.h"

#include "numbers.h"

#include <cstring>

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
            held.inlined.chars[i] = static_cast<char>(text[i].unicode());
        held.inlined.length = static_cast<std::uint8_t>(text.size());
        return;
    }
    held.heap = Heap{OnHeap, new QString(text.toString())};
}

CellText::CellText(QLatin1StringView text)
{
    if (text.size() > InlineCapacity) {
        held.heap = Heap{OnHeap, new QString(text)};
        return;
    }
    std::memcpy(held.inlined.chars, text.data(), text.size());
    held.inlined.length = static_cast<std::uint8_t>(text.size());
}

CellText::CellText(const CellText &other)
{
    if (other.onHeap())
        held.heap = Heap{OnHeap, new QString(*other.held.heap.text)};
    else
        held = other.held;
}

CellText &CellText::operator=(const CellText &other)
{
    if (this != &other)
        *this = CellText(other);
    return *this;
}

QString CellText::toString() const
{
    if (onHeap())
        return *held.heap.text;
    return QString::fromLatin1(held.inlined.chars, held.inlined.length);
}

QStringView CellText::view(Buffer &buffer) const
{
    if (onHeap())
        return *held.heap.text;
    for (int i = 0; i < held.inlined.length; ++i)
        buffer[i] = static_cast<unsigned char>(held.inlined.chars[i]);
    return QStringView(buffer.data(), held.inlined.length);
}

std::optional<double> CellText::number() const
{
    Buffer buffer;
    return parseNumber(view(buffer));
}
