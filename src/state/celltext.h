// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAnyStringView>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>

// The text of one cell of the weight log, held compactly: up to 15 Latin-1 characters inside the
// object itself (every date and weight text the program writes fits), anything longer or wider in
// a QString of its own on the heap, so that no text is ever cut or altered. 16 bytes, so a row of
// two costs 32.
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
    CellText(CellText &&other) noexcept : held(other.held) { other.held.inlined.length = 0; }
    CellText &operator=(CellText &&other) noexcept
    {
        if (this != &other) {
            release();
            held = other.held;
            other.held.inlined.length = 0;
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
        if (onHeap())
            return *held.heap.text;
        return QLatin1StringView(held.inlined.chars, held.inlined.length);
    }
    // The text read as the user's number input reads it (see parseNumber); empty when it is none.
    std::optional<double> number() const;
    bool isEmpty() const { return held.inlined.length == 0; }

private:
    // The length byte that marks a text on the heap.
    static constexpr std::uint8_t OnHeap = 0xFF;

    // Both forms begin with the length byte, which may therefore be read through either.
    struct Inline
    {
        std::uint8_t length;
        char chars[InlineCapacity];
    };
    struct Heap
    {
        std::uint8_t length; // OnHeap
        QString *text;       // owned by the cell
    };
    union Storage {
        Inline inlined;
        Heap heap;
    };

    bool onHeap() const { return held.inlined.length == OnHeap; }
    void release()
    {
        if (onHeap())
            delete held.heap.text;
        held.inlined.length = 0;
    }

    Storage held{Inline{0, {}}};
};

static_assert(sizeof(CellText) == 16);
