// SPDX-License-Identifier: GPL-3.0-or-later
#include "textdecoding.h"

#include "fieldcodec.h"

#include <QStringDecoder>

namespace {

enum class Utf16
{
    None,
    LittleEndian,
    BigEndian
};

// UTF-16 without a mark, told by its zero bytes: in text that is mostly ASCII, as weighings are,
// every other byte is zero. Japanese characters have none, but the ideographic space has one in
// the other place, so that place may hold a few.
Utf16 unmarkedUtf16(QByteArrayView bytes)
{
    const qsizetype pairs = std::min<qsizetype>(bytes.size() / 2, 256);
    qsizetype evenZeros = 0, oddZeros = 0;
    for (qsizetype k = 0; k < pairs; ++k) {
        evenZeros += bytes[2 * k] == 0;
        oddZeros += bytes[2 * k + 1] == 0;
    }
    if (pairs == 0)
        return Utf16::None;
    if (oddZeros * 2 >= pairs && evenZeros * 4 <= oddZeros)
        return Utf16::LittleEndian;
    if (evenZeros * 2 >= pairs && oddZeros * 4 <= evenZeros)
        return Utf16::BigEndian;
    return Utf16::None;
}

QString decodedUtf16(QByteArrayView bytes, Utf16 order)
{
    QStringDecoder decoder(order == Utf16::LittleEndian ? QStringConverter::Utf16LE
                                                        : QStringConverter::Utf16BE,
                           QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

} // namespace

QString decodeTextFile(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return decodedUtf16(bytes.sliced(2), Utf16::LittleEndian);
    if (bytes.startsWith("\xFE\xFF"))
        return decodedUtf16(bytes.sliced(2), Utf16::BigEndian);
    if (const Utf16 order = unmarkedUtf16(bytes); order != Utf16::None)
        return decodedUtf16(bytes, order);
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    return decodeCodePage(bytes); // a byte that does not decode reads as no weighing
}
