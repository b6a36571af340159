#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
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
    CellText(CellText &&other) noexcept;
    CellText &operator=(const CellText &other);
    CellText &operator=(CellText &&other) noexcept;
    ~CellText();

    QString toString() const;
    // The text without a copy on the heap: an inline text is widened into `buffer`, which must
    // outlive the view.
    QStringView view(Buffer &buffer) const;
    // The text read as the user's number input reads it (see parseNumber); empty when it is none.
    std::optional<double> number() const;
    bool isEmpty() const { return length == 0; }

private:
    static constexpr std::uint8_t OnHeap = 0xFF;

    QString *heapText() const;
    void takeBytesOf(const CellText &other); // the inline characters, or the heap pointer
    void release();

    alignas(QString *) char chars[InlineCapacity] = {};
    std::uint8_t length = 0; // OnHeap when `chars` holds a pointer to the text instead
};

static_assert(sizeof(CellText) == 16);
