// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark program: the program's cost as its log grows, each case against a baseline
// measured in the same run, then a summary with the targets. Google Benchmark's flags apply
// (e.g. --benchmark_filter=read); the defaults below can be overridden that way.

#include "diets.h"
#include "processcases.h"
#include "summary.h"

#include <QApplication>
#include <cstring>
#include <iostream>
#include <vector>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    QApplication application(argc, argv);
    useQuietPlatform();
    if (argc == 3 && std::strcmp(argv[1], PeakMemoryFlag) == 0)
        return reportPeakMemory(QString::fromLocal8Bit(argv[2]));

    // Five repetitions by default, reported by their statistics; flags given later win.
    char repetitions[] = "--benchmark_repetitions=5";
    char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    std::vector<char *> arguments = {argv[0], repetitions, aggregatesOnly};
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data()))
        return 1;

    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary(std::cout);
    benchmark::Shutdown();
    return 0;
}
