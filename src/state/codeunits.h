// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAnyStringView>
#include <QString>
#include <type_traits>

// Calls `f(units, size)` with the text's code units: char16_t for UTF-16 and char for Latin-1 and
// UTF-8 alike, whose ASCII characters are the same single bytes. For readers that accept ASCII
// characters only, so that they read any of the three without converting it first.
template <typename Reader> decltype(auto) readCodeUnits(QAnyStringView text, Reader &&f)
{
    return text.visit([&](auto view) {
        if constexpr (std::is_same_v<decltype(view), QStringView>)
            return f(view.utf16(), view.size());
        else
            return f(view.data(), view.size());
    });
}
