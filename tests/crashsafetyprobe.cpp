// SPDX-License-Identifier: GPL-3.0-or-later
// Saves one data file over and over through the program's writers, alternating between its two
// versions, until it is killed: "tolmi_crashsafety_probe <dataRoot> yourdata|customdata". It says
// "saving" once before the first save, so that the test kills it in the middle of the saves.

#include "crashsafety/versions.h"

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    dataRoot = QString::fromLocal8Bit(argv[1]);
    const bool yourData = std::strcmp(argv[2], "yourdata") == 0;
    // The large log is built once per version, so that the kills land in the writing itself.
    const QByteArray yourDataVersions[] = {crashSafetyYourData(0), crashSafetyYourData(1)};
    const auto save = [&](int version, QString *error) {
        if (yourData)
            return saveFile(yourDataPath(), yourDataVersions[version], error);
        setCrashSafetyTemplate(version);
        return saveTemplateFile(error);
    };
    std::puts("saving");
    std::fflush(stdout);
    for (int round = 0;; ++round) {
        QString error;
        if (!save(round % 2, &error)) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(error));
            return 1;
        }
    }
}
