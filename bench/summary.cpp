// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary.h"

#include "diets.h"

#include <cstdio>

namespace {

struct PairedCase
{
    const char *key;
    const char *title;
    const char *baseline = nullptr; // another case to compare with; "key/baseline" when none
};

const PairedCase pairedCases[] = {
    {"read", "Reading the log (bytes to entries, code page included): our reader / lines and "
             "fields split with memchr"},
    {"fill", "Filling the settings screen's table: LoadSettingsScreen on a hidden Form2 / the "
             "reader alone (both read the file from disk)"},
    {"write", "書込 on a table of N entries (write one row, re-sort): the editor's write / "
              "std::stable_sort of N (date, weight) pairs"},
    {"save", "The settings and exit save: rows to bytes to disk through QSaveFile / one fwrite "
             "of the same bytes (durable: that fwrite into a temporary file, flushed with "
             "fdatasync and renamed over the old one, as QSaveFile does)"},
    {"winloss", "The win/loss table: Form3's computation / one loop over N doubles"},
    {"chart",
     "The weight chart: opened and first painted (offscreen) / the win/loss table's "
     "opening",
     "winloss/ours"},
    {"refresh", "The main-screen refresh: RefreshMainScreen (no baseline)"},
    {"import", "Taking in a file of weighings (the log's export: UTF-8, comma-separated): "
               "decoded, read and measured by the rules of 書込 / lines and fields split with "
               "memchr"},
};

constexpr int startUpEntries = 100000;

std::string format(const char *pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// Three significant digits in the unit that suits the value.
std::string duration(double seconds)
{
    const auto digits = [](double value) {
        return value >= 100 ? format("%.0f", value)
                            : (value >= 10 ? format("%.1f", value) : format("%.2f", value));
    };
    if (seconds < 1e-3)
        return digits(seconds * 1e6) + " µs";
    if (seconds < 1)
        return digits(seconds * 1e3) + " ms";
    return digits(seconds) + " s";
}

std::string times(double ratio)
{
    return format(ratio >= 100 ? "%.0f×" : "%.1f×", ratio);
}

std::string withSeparators(long long value)
{
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

// Right-aligned in a column of `width` characters, counting "µ" and "×" as one.
std::string column(const std::string &text, int width)
{
    int shown = 0;
    for (unsigned char c : text)
        shown += (c & 0xC0) != 0x80;
    return std::string(std::max(0, width - shown), ' ') + text;
}

} // namespace

void SummaryReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        if (run.error_occurred)
            continue;
        Figures &figures = results[run.run_name.function_name]
                                  [std::stoi(run.run_name.args.empty() ? "0" : run.run_name.args)];
        const double seconds =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        // A single run is its own median and minimum; with repetitions the aggregates follow it.
        if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median") {
            figures.medianSeconds = seconds;
            figures.repetitions = static_cast<int>(run.repetitions);
            for (const auto &[name, counter] : run.counters)
                figures.counters[name] = counter.value;
        }
        if (run.run_type == Run::RT_Iteration || run.aggregate_name == "min")
            figures.minSeconds = seconds;
    }
}

const SummaryReporter::Figures *SummaryReporter::find(const std::string &name, int entries) const
{
    const auto byCase = results.find(name);
    if (byCase == results.end())
        return nullptr;
    const auto bySize = byCase->second.find(entries);
    return bySize == byCase->second.end() ? nullptr : &bySize->second;
}

std::optional<double> SummaryReporter::ratio(const std::string &ours, const std::string &baseline,
                                             int entries) const
{
    const Figures *a = find(ours, entries);
    const Figures *b = find(baseline, entries);
    if (!a || !b || b->medianSeconds <= 0)
        return std::nullopt;
    return a->medianSeconds / b->medianSeconds;
}

void SummaryReporter::printSummary(std::ostream &out) const
{
    out << "\n==== Summary: wall-clock medians over the repetitions; ratio = ours / baseline "
           "====\n";
    printPairedCases(out);
    printStartUp(out);
    printMemory(out);
    printTargets(out);
}

void SummaryReporter::printPairedCases(std::ostream &out) const
{
    for (const PairedCase &paired : pairedCases) {
        const std::string ours = std::string(paired.key) + "/ours";
        const std::string baseline =
            paired.baseline ? paired.baseline : std::string(paired.key) + "/baseline";
        if (!results.count(ours))
            continue;
        // A case may have a second reference, shown after the baseline.
        const std::string durable = std::string(paired.key) + "/durable";
        const bool withDurable = results.count(durable);
        out << '\n' << paired.title << '\n';
        out << column("entries", 12) << column("ours", 12) << column("baseline", 12)
            << column("ratio", 10);
        if (withDurable)
            out << column("durable", 12) << column("ratio", 10);
        out << '\n';
        for (int entries : LogSizes) {
            const Figures *a = find(ours, entries);
            if (!a)
                continue;
            const Figures *b = find(baseline, entries);
            const std::optional<double> r = ratio(ours, baseline, entries);
            out << column(withSeparators(entries), 12) << column(duration(a->medianSeconds), 12)
                << column(b ? duration(b->medianSeconds) : "—", 12)
                << column(r ? times(*r) : "—", 10);
            if (withDurable) {
                const Figures *d = find(durable, entries);
                const std::optional<double> rd = ratio(ours, durable, entries);
                out << column(d ? duration(d->medianSeconds) : "—", 12)
                    << column(rd ? times(*rd) : "—", 10);
            }
            out << '\n';
        }
    }
}

void SummaryReporter::printStartUp(std::ostream &out) const
{
    printStartUpRow(out, "startup", startUpEntries,
                    "\nStart-up, exec to the main screen's first paint and the process's end, " +
                        withSeparators(startUpEntries) +
                        " entries: tolmishiki / a minimal Qt Widgets program");
    for (const int entries : {DeclarationOnly, startUpEntries})
        printStartUpRow(out, "xstartup", entries,
                        "\nThe same on a real X server (Xvfb), " +
                            (entries == DeclarationOnly ? std::string("an empty log")
                                                        : withSeparators(entries) + " entries") +
                            ": tolmishiki / a minimal window showing Japanese text in its font");
}

void SummaryReporter::printStartUpRow(std::ostream &out, const std::string &key, int entries,
                                      const std::string &title) const
{
    const Figures *ours = find(key + "/ours", entries);
    const Figures *minimal = find(key + "/baseline", entries);
    if (!ours || !minimal)
        return;
    out << title << " (" << ours->repetitions << " runs each)\n";
    out << column("", 12) << column("ours", 12) << column("baseline", 12) << column("ratio", 10)
        << '\n';
    out << column("minimum", 12) << column(duration(ours->minSeconds), 12)
        << column(duration(minimal->minSeconds), 12)
        << column(times(ours->minSeconds / minimal->minSeconds), 10) << '\n';
    out << column("median", 12) << column(duration(ours->medianSeconds), 12)
        << column(duration(minimal->medianSeconds), 12)
        << column(times(ours->medianSeconds / minimal->medianSeconds), 10) << '\n';
}

void SummaryReporter::printMemory(std::ostream &out) const
{
    if (!results.count("memory"))
        return;
    out << "\nMemory: peak resident memory of the program with the log loaded / with the "
           "declaration entry alone\n";
    out << column("entries", 12) << column("loaded", 12) << column("empty log", 12)
        << column("per entry", 12) << '\n';
    for (int entries : LogSizes) {
        const Figures *figures = find("memory", entries);
        if (!figures)
            continue;
        const auto counter = [&](const char *name) { return figures->counters.at(name); };
        out << column(withSeparators(entries), 12)
            << column(format("%.1f MiB", counter("loaded_KiB") / 1024), 12)
            << column(format("%.1f MiB", counter("empty_KiB") / 1024), 12)
            << column(format("%.0f B", counter("bytes_per_entry")), 12) << '\n';
    }
}

void SummaryReporter::printTargets(std::ostream &out) const
{
    out << "\nTargets\n";
    const auto verdict = [&](bool measured, bool holds, const std::string &target,
                             const std::string &figures) {
        out << "  " << (!measured ? "not measured" : (holds ? "holds " : "MISSED")) << "  "
            << target << ": " << (measured ? figures : "—") << '\n';
    };
    // The ratio of `ours` to `baseline` at every log size, each at most `limit`.
    const auto ratioTarget = [&](const std::string &target, const std::string &ours,
                                 const std::string &baseline, double limit) {
        bool measured = false, holds = true;
        std::string figures;
        for (int entries : LogSizes) {
            if (const std::optional<double> r = ratio(ours, baseline, entries)) {
                measured = true;
                holds = holds && *r <= limit;
                figures +=
                    (figures.empty() ? "" : ", ") + times(*r) + " at " + withSeparators(entries);
            }
        }
        verdict(measured, holds, target, figures);
    };
    const auto timeTarget = [&](const std::string &target, const std::string &name, int entries,
                                double limitSeconds) {
        const Figures *figures = find(name, entries);
        verdict(figures, figures && figures->medianSeconds < limitSeconds, target,
                figures ? duration(figures->medianSeconds) : "");
    };

    ratioTarget("reading the log within 10× the line split", "read/ours", "read/baseline", 10);
    ratioTarget("filling the table within 10× the line split", "fill/ours", "read/baseline", 10);
    timeTarget("a million entries read and shown in under 1 s", "fill/ours", 1000000, 1.0);
    timeTarget("書込 with 100,000 entries under 20 ms", "write/ours", 100000, 0.020);
    timeTarget("書込 with 1,000,000 entries under 300 ms", "write/ours", 1000000, 0.300);
    timeTarget("a file of 100,000 weighings taken in under 1 s", "import/ours", 100000, 1.0);
    timeTarget("the weight chart opened and painted with 100,000 entries under 50 ms", "chart/ours",
               100000, 0.050);

    const auto startUpTarget = [&](const std::string &target, const std::string &key, int entries,
                                   double limit) {
        const Figures *ours = find(key + "/ours", entries);
        const Figures *minimal = find(key + "/baseline", entries);
        const double r = ours && minimal ? ours->medianSeconds / minimal->medianSeconds : 0;
        verdict(ours && minimal, r <= limit, target, times(r));
    };
    startUpTarget("start-up with 100,000 entries within 1.5× the minimal Qt program (medians)",
                  "startup", startUpEntries, 1.5);
    startUpTarget("start-up on X with an empty log within 1.3× the minimal Japanese window "
                  "(medians)",
                  "xstartup", DeclarationOnly, 1.3);
    startUpTarget("start-up on X with 100,000 entries within 1.5× the minimal Japanese window "
                  "(medians)",
                  "xstartup", startUpEntries, 1.5);

    // Judged where the log outweighs the page-sized steps of the allocator.
    bool measured = false, holds = true;
    std::string figures;
    for (int entries : LogSizes) {
        const Figures *memory = find("memory", entries);
        if (!memory || entries < 100000)
            continue;
        const double perEntry = memory->counters.at("bytes_per_entry");
        measured = true;
        holds = holds && perEntry <= 64;
        figures += (figures.empty() ? "" : ", ") + format("%.0f B", perEntry) + " at " +
                   withSeparators(entries);
    }
    verdict(measured, holds, "memory at most 64 bytes per entry beyond the empty log", figures);

    ratioTarget("the save within 3× the single fwrite", "save/ours", "save/baseline", 3);
}
