// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// A declared diet as the screens' tests start from: 80 kg on 2008-10-17 towards 60 kg, 170 cm,
// weighed 78 kg on 2008-10-20; the main screen at top 1200, left 2400, text colour 255 (red) on
// background 16711680 (blue).
inline const QByteArray dietFile = "1,80\r\n"
                                   "0,60\r\n"
                                   "0,170\r\n"
                                   "0,100\r\n"
                                   "1200,100\r\n"
                                   "2400,\"www.5ch.net\"\r\n"
                                   "255,\"URL2\"\r\n"
                                   "16711680,#2008-10-17#\r\n"
                                   "0,#2008-01-02#\r\n"
                                   "#2008-10-20#,78\r\n"
                                   "#2008-10-17#,80\r\n";
