// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

// Refuses, as typed or pasted, what a data file cannot hold: a double quote, a line break and any
// character outside the Windows Japanese code page. A text that passes is saved and read back
// whole.
class StorableTextValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};
