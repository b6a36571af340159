// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Weighings written as text, one per line: what a spreadsheet copies, what a CSV, TSV or
// semicolon-separated file holds, what other weight programs export.
//
// A line holds a date and a weight separated by a tab, a semicolon, a comma or blanks; one
// separator serves the whole text. Dates are 2008-10-18, 2008/10/18, 2008.10.18, 20081018,
// 2008年10月18日 or 18.10.2008, each with or without a time of day after it ("2008-10-19 07:30",
// "2008-10-19T07:30:00+09:00"), which is dropped: the day is the one written. Weights have a
// decimal point or a decimal comma, with or without "kg" or "lb" after them or in the next field.
// Fields may be quoted as CSV quotes them. A line that names its columns before the first dated
// line (日付/体重, Date/Weight (kg), dateTime/weight, …) picks the two columns, and a weight column
// headed in pounds is converted to kilograms; without one, and in a line whose date column holds
// no date, the first field that is a date and the next field after it that is a weight are taken.
// Lines without a date (headings, blank lines, comments beginning with "#") are no weighings.

#include "dateserial.h"

#include <QStringView>
#include <vector>

struct TextWeighing
{
    enum class Reading : std::uint8_t
    {
        Read,
        UnreadableDate,  // written like a date, but no calendar day (2008-02-30)
        UnreadableWeight // a date without a weight that can be read after it
    };

    qsizetype line = 0;   // counted from 1; CR LF, LF and CR each end a line
    double kilograms = 0; // when read
    CivilDate date;       // unless the date is unreadable
    Reading reading = Reading::Read;
};

// Every line of `text` that holds a date, in text order.
std::vector<TextWeighing> readWeighings(QStringView text);
