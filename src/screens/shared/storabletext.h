// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QValidator>

// Leaves out, as typed or pasted, what a data file cannot hold or no one means to type: a double
// quote, line breaks and other control characters (C0, DEL and C1), and any character outside the
// Windows Japanese code page (an emoji, a right-to-left mark). The rest goes in, and the user is
// told at the box what was left out and why. A text that passes is saved and read back whole.
// Made with its text box as parent.
class StorableTextValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};

// How a stored text is shown in a box or on the clipboard: each byte that did not decode and each
// control character is shown as "〓", so that what the user sees may also be typed.
QString shownText(QStringView stored);

// What a box filled with shownText(stored) gives back to store: `stored` itself, its odd bytes
// and all, while the box still shows it unedited; otherwise what the box holds now.
QString storedText(const QString &boxText, const QString &stored);

// The web address handed to the browser: each byte that did not decode as %XX of itself.
QString addressForBrowser(QStringView address);
