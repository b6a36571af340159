// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The text of a file that nobody says the encoding of, such as a weight history saved by a
// spreadsheet or another program.

#include <QByteArrayView>
#include <QString>

// The bytes decoded by what they show: a byte-order mark names UTF-8 or UTF-16 (little or big
// endian); without one, UTF-16 shows itself by the zero bytes beside its ASCII characters, and
// bytes that are valid UTF-8 are UTF-8; anything else is read in the Windows Japanese code page,
// as the program's own data files are. The mark is not part of the text; line ends stay as they
// are. Bytes that do not decode are replaced by a substitute character.
QString decodeTextFile(QByteArrayView bytes);
