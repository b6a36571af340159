// The cases measured in child processes: peak memory per log entry and the whole start-up.

#include "processcases.h"

#include "registration.h"
#include "screens/launch.h"
#include "screens/main/form1.h"
#include "screens/screens.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int childTimeoutMs = 120000;

// A headless environment of its own for each child: the offscreen platform, no desktop theme,
// and a private runtime directory, so that the single-instance lock of a program running
// elsewhere on the machine cannot stop it.
QProcessEnvironment childEnvironment(const QString &runtimeDirectory)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.remove(u"QT_QPA_PLATFORMTHEME"_s);
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtimeDirectory);
    return environment;
}

struct ChildRun
{
    double seconds = 0;
    QByteArray output;
};

// Runs a program to its end; empty when it could not start, timed out or failed.
std::optional<ChildRun> runChild(const QString &program, const QStringList &arguments,
                                 const QString &workingDirectory,
                                 const QProcessEnvironment &environment)
{
    QProcess child;
    child.setProgram(program);
    child.setArguments(arguments);
    child.setWorkingDirectory(workingDirectory);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start();
    if (!child.waitForFinished(childTimeoutMs)) {
        child.kill();
        child.waitForFinished();
        return std::nullopt;
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return std::nullopt;
    return ChildRun{seconds, child.readAllStandardOutput()};
}

// Peak resident memory in KiB of a child that loads the diet with `entries` entries.
std::optional<double> peakKibOf(int entries, const QString &runtimeDirectory)
{
    const std::optional<ChildRun> run =
        runChild(QCoreApplication::applicationFilePath(),
                 {QString::fromLatin1(PeakMemoryFlag), dietDirectory(entries)},
                 dietDirectory(entries), childEnvironment(runtimeDirectory));
    bool ok = false;
    const double kib = run ? run->output.trimmed().toDouble(&ok) : 0;
    return ok ? std::optional(kib) : std::nullopt;
}

// Peak resident memory of the program with the log loaded, against the same program started on a
// log of the declaration entry alone; the difference per entry is what the log costs.
void memory(benchmark::State &state)
{
    QTemporaryDir runtime;
    std::optional<double> empty, loaded;
    for (auto _ : state) {
        empty = peakKibOf(DeclarationOnly, runtime.path());
        loaded = peakKibOf(entriesOf(state), runtime.path());
        if (!empty || !loaded) {
            state.SkipWithError("a memory child failed");
            return;
        }
    }
    state.counters["empty_KiB"] = *empty;
    state.counters["loaded_KiB"] = *loaded;
    state.counters["bytes_per_entry"] = (*loaded - *empty) * 1024 / (entriesOf(state) - 1);
}

// From exec to the first paint of the first window, the process's end included.
void timeStartUp(benchmark::State &state, const QString &program, const QStringList &environment)
{
    QTemporaryDir runtime;
    QProcessEnvironment variables = childEnvironment(runtime.path());
    for (const QString &variable : environment)
        variables.insert(variable, u"1"_s);
    const QString directory = dietDirectory(entriesOf(state));
    const QString dataFile = directory + u"/tolmidata/yourdata.csv"_s;
    // An exit save would rewrite the file (even with the same bytes): its time tells.
    const QDateTime written = QFileInfo(dataFile).lastModified();
    for (auto _ : state) {
        const std::optional<ChildRun> run = runChild(program, {}, directory, variables);
        if (!run) {
            state.SkipWithError("the program did not start and end by itself");
            return;
        }
        state.SetIterationTime(run->seconds);
    }
    if (QFileInfo(dataFile).lastModified() != written)
        state.SkipWithError("the start-up rewrote yourdata.csv");
}

// The program on the diet of 100,000 entries: start-up, main screen shown, then the test-only exit.
void startUpOurs(benchmark::State &state)
{
    timeStartUp(state, QString::fromLatin1(PROGRAM_BINARY),
                {u"TOLMISHIKI_EXIT_AFTER_FIRST_PAINT"_s});
}

// A minimal Qt Widgets program that shows one window and ends after its first paint.
void startUpBaseline(benchmark::State &state)
{
    timeStartUp(state, QString::fromLatin1(MINIMAL_WINDOW_BINARY), {});
}

// Several whole runs on the diet of 100,000 entries, one process each.
void startUpRuns(benchmark::internal::Benchmark *bench)
{
    bench->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
    bench->Repetitions(11);
    keepingMinimum(bench);
}

} // namespace

int reportPeakMemory(const QString &workingDirectory)
{
    QDir::setCurrent(workingDirectory);
    startProgram();
    if (!QTest::qWaitForWindowExposed(&form1()))
        return 1;
    QApplication::processEvents(); // the first paint
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            std::printf("%s\n", line.mid(6).trimmed().split(' ').front().constData());
            return 0;
        }
    }
    return 1;
}

BENCHMARK(memory)->Name("memory")->Apply(overLogSizes)->Iterations(1)->Repetitions(3);
BENCHMARK(startUpOurs)->Name("startup/ours")->Apply(startUpRuns);
BENCHMARK(startUpBaseline)->Name("startup/baseline")->Apply(startUpRuns);
