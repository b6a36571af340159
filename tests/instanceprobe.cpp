// SPDX-License-Identifier: GPL-3.0-or-later
// Asks the single-instance check from a separate process, for the tests: "hold FOLDER" takes the
// locks for the data folder FOLDER and keeps them until standard input closes; "check FOLDER" only
// tells whether another copy holds them.

#include "platform/platform.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3)
        return 2;
    const bool hold = std::strcmp(argv[1], "hold") == 0;
    const InstanceCheck check =
        realPlatformServices().checkInstance(QString::fromLocal8Bit(argv[2]));
    const bool alone = check.answer == InstanceCheck::Alone;
    std::puts(check.answer == InstanceCheck::AnotherCopyRunning ? "running"
              : !alone                                          ? "unguarded"
              : hold                                            ? "held"
                                                                : "free");
    std::fflush(stdout);
    if (hold && alone) {
        while (std::getchar() != EOF) {
        }
    }
    return 0;
}
