// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The benchmark's reporter: Google Benchmark's console output while the cases run, then a summary
// that pairs each case's time with its baseline's, gives the start-up and memory figures, and
// says for each target whether it holds.

#include <benchmark/benchmark.h>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override;
    void printSummary(std::ostream &out) const;

private:
    // What one case gave at one log size: wall-clock seconds per iteration and the counters, each
    // the median (and minimum) over the repetitions.
    struct Figures
    {
        double medianSeconds = 0;
        double minSeconds = 0;
        std::map<std::string, double> counters;
        int repetitions = 1;
    };

    const Figures *find(const std::string &name, int entries) const;
    std::optional<double> ratio(const std::string &ours, const std::string &baseline,
                                int entries) const;
    void printPairedCases(std::ostream &out) const;
    void printStartUp(std::ostream &out) const;
    void printStartUpRow(std::ostream &out, const std::string &key, int entries,
                         const std::string &title) const;
    void printMemory(std::ostream &out) const;
    void printTargets(std::ostream &out) const;

    std::map<std::string, std::map<int, Figures>> results; // by "case/side", then log size
};
