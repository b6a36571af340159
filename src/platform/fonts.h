// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// "ＭＳ ゴシック" at the given size, falling back to the Japanese gothic fonts found on Linux.
QFont gothicFont(double pointSize = 9);
// "ＭＳ Ｐゴシック", falling back to its proportional Linux counterpart.
QFont proportionalGothicFont(double pointSize = 9);
