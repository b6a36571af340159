// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The least any reader of comma-separated lines does, the baseline of the reading cases: each line
// and its first two fields found with memchr, nothing converted.

#include <QByteArrayView>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

inline std::vector<std::pair<std::string_view, std::string_view>>
splitLinesAndFields(QByteArrayView bytes)
{
    std::vector<std::pair<std::string_view, std::string_view>> fields;
    fields.reserve(bytes.size() / 19 + 1);
    const char *line = bytes.data();
    const char *const end = line + bytes.size();
    while (line < end) {
        auto *next = static_cast<const char *>(std::memchr(line, '\n', end - line));
        if (!next)
            next = end;
        if (auto *comma = static_cast<const char *>(std::memchr(line, ',', next - line))) {
            const char *fieldEnd = next > comma + 1 && next[-1] == '\r' ? next - 1 : next;
            fields.emplace_back(std::string_view(line, comma - line),
                                std::string_view(comma + 1, fieldEnd - comma - 1));
        }
        line = next + 1;
    }
    return fields;
}
