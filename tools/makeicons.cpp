// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's menu icons for the desktop's icon theme:
//
//     tolmi_make_icons PICTURE OUTPUT-FOLDER SIZE...
//
// reads the chick picture (any format Qt reads, XPM included) and writes
// OUTPUT-FOLDER/<size>x<size>/apps/tolmishiki.png for each size, the layout of the hicolor theme.

#include "menuicon.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s PICTURE OUTPUT-FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    const QImage picture = reader.read();
    if (picture.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s: %s\n", argv[0], argv[1],
                     qPrintable(reader.errorString()));
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        if (!isNumber || size < 1 || size > 1024) {
            std::fprintf(stderr, "%s: not an icon size: %s\n", argv[0], argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = output.filePath(folder + QStringLiteral("/tolmishiki.png"));
        if (!output.mkpath(folder) || !menuIcon(picture, size).save(file, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file));
            return 1;
        }
    }
    return 0;
}
