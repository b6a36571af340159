// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAnyStringView>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

// The text of one cell of the weight table, held compactly: up to 15 Latin-1 characters inside the
// object itself (every date and weight text the program writes fits), anything longer or wider on
// the heap, so that no text is ever cut or altered. 16 bytes, so a table row of two costs 32.
class CellText
{
public:
    // Room for the characters of an inline text when it is looked at as UTF-16.
    static constexpr int InlineCapacity = 15;
    using Buffer = std::array<char16_t, InlineCapacity>;

    CellText() = default;
    explicit CellText(QStringView text);
    explicit CellText(QLatin1StringView text); // the loader's digits, stored as they are
    CellText(const CellText &other);
    CellText &operator=(const CellText &other);
    // Moves and the destructor are inline: the loader moves every cell of a long log.
    CellText(CellText &&other) noexcept
    {
        takeBytesOf(other);
        other.length = 0;
    }
    CellText &operator=(CellText &&other) noexcept
    {
        if (this != &other) {
            release();
            takeBytesOf(other);
            other.length = 0;
        }
        return *this;
    }
    ~CellText() { release(); }

    QString toString() const;
    // The text without a copy on the heap: an inline text is widened into `buffer`, which must
    // outlive the view.
    QStringView view(Buffer &buffer) const;
    // The text as it is held, without a copy or a conversion: an inline text as Latin-1, one on
    // the heap as UTF-16. Valid while the cell is unchanged.
    QAnyStringView view() const
    {
        if (length == OnHeap)
            return *heapText();
        return QLatin1StringView(chars, length);
    }
    // The text read as the user's number input reads it (see parseNumber); empty when it is none.
    std::optional<double> number() const;
    bool isEmpty() const { return length == 0; }

private:
    static constexpr std::uint8_t OnHeap = 0xFF;

    QString *heapText() const;
    // The inline characters, or the heap pointer.
    void takeBytesOf(const CellText &other)
    {
        std::memcpy(chars, other.chars, sizeof chars);
        length = other.length;
    }
    void release()
    {
        if (length == OnHeap)
            deleteHeapText();
        length = 0;
    }
    void deleteHeapText();

    alignas(QString *) char chars[InlineCapacity] = {};
    std::uint8_t length = 0; // OnHeap when `chars` holds a pointer to the text instead
};

static_assert(sizeof(CellText) == 16);
