// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numbers as the user types them and as the screens show them, independent of the user's locale.

#include <QString>
#include <optional>

// A decimal number typed by the user: optional blanks around it, an optional sign, digits with at
// most one point ("65", "65.", ".5", "-0"). Exponents, hexadecimal, "inf", "nan" and full-width
// digits are not numbers here.
std::optional<double> parseNumber(QStringView text);

// A number or date as typed into a box with the input method on: the full-width digits "０" to
// "９", point "．", minus "－", plus "＋" and blank "　" become their half-width forms, everything
// else stays. Every reader of a number or date box reads its text through this.
QString halfWidthForms(QStringView typed);

// A number box's text as a number from `low` to `high` inclusive, read through halfWidthForms;
// empty when it is no number or outside.
std::optional<double> numberWithin(QStringView typed, double low, double high);

// "##0.0": at least one digit before the point, one after it, "-" for negatives (80 -> "80.0",
// 0.5 -> "0.5", -1.5 -> "-1.5"), rounded to the nearest tenth, halves away from zero.
QString formatTenths(double value);

// "###.0": as above but without a zero before the point (0.5 -> ".5", 0 -> ".0").
QString formatWeightText(double value);

// A change with its sign and two decimals: "+0.10", "-0.45". The sign is that of the value itself,
// so a small loss that rounds to nothing still reads "-0.00"; zero reads "+0.00".
QString formatSignedHundredths(double value);
