// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings screen's readings of its boxes, shared by the log editor and the finish checks.
// Each reads the box's full-width digits, point, signs and blanks as their half-width forms.

#include <QDate>
#include <QStringView>
#include <optional>

// A date box as a date: an integer from 10000101 to 90000101 whose characters 1-4, 5-6 and 7-8
// name a calendar year, month and day. Empty otherwise.
std::optional<QDate> dateFromDateBox(QStringView text);

// The deadline days box as a whole number: a fraction is rounded to the nearest, halves to even.
std::optional<double> wholeDaysFromBox(QStringView text);
