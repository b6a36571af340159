// SPDX-License-Identifier: GPL-3.0-or-later
// The cases measured in child processes: peak memory per log entry and the whole start-up.

#include "processcases.h"

#include "registration.h"
#include "screens/launch.h"
#include "screens/main/form1.h"
#include "screens/navigator.h"

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

// From exec to the first paint of the first window, the process's end included. `variables` is
// the child's environment; `arguments` its command line.
void timeStartUp(benchmark::State &state, const QString &program, const QStringList &arguments,
                 const QProcessEnvironment &variables)
{
    const QString directory = dietDirectory(entriesOf(state));
    const QString dataFile = directory + u"/tolmidata/yourdata.csv"_s;
    // An exit save would rewrite the file (even with the same bytes): its time tells.
    const QDateTime written = QFileInfo(dataFile).lastModified();
    for (auto _ : state) {
        const std::optional<ChildRun> run = runChild(program, arguments, directory, variables);
        if (!run) {
            state.SkipWithError("the program did not start and end by itself");
            return;
        }
        state.SetIterationTime(run->seconds);
    }
    if (QFileInfo(dataFile).lastModified() != written)
        state.SkipWithError("the start-up rewrote yourdata.csv");
}

// The program on the diet of 100,000 entries: start-up, main screen shown, then the exit of the
// benchmark's build after the first paint.
void startUpOurs(benchmark::State &state)
{
    QTemporaryDir runtime;
    timeStartUp(state, QString::fromLatin1(PROGRAM_BINARY), {}, childEnvironment(runtime.path()));
}

// A minimal Qt Widgets program that shows one window and ends after its first paint.
void startUpBaseline(benchmark::State &state)
{
    QTemporaryDir runtime;
    timeStartUp(state, QString::fromLatin1(MINIMAL_WINDOW_BINARY), {},
                childEnvironment(runtime.path()));
}

// A virtual X server (Xvfb) for the start-ups on a real X connection, started on first use and
// ended with the benchmark program. Empty when it cannot be started.
std::optional<QString> virtualDisplay()
{
    static QProcess *server = nullptr;
    static std::optional<QString> display;
    if (server)
        return display;
    server = new QProcess;
    // Xvfb picks a free display itself and writes its number to the descriptor given.
    server->start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"1280x1024x24"_s,
                              u"-nolisten"_s, u"tcp"_s});
    qAddPostRoutine([] {
        server->terminate();
        server->waitForFinished();
        delete server;
    });
    QByteArray number;
    while (server->waitForReadyRead(10000)) {
        number += server->readAllStandardOutput();
        if (number.endsWith('\n'))
            break;
    }
    if (!number.trimmed().isEmpty())
        display = u":"_s + QString::fromLatin1(number.trimmed());
    return display;
}

// From exec to the first paint on the virtual X server: ours on the diet, against the minimal
// window showing Japanese text in the program's font.
void timeXStartUp(benchmark::State &state, bool ours)
{
    const std::optional<QString> display = virtualDisplay();
    if (!display) {
        state.SkipWithError("Xvfb could not be started (scripts/install-deps installs it)");
        return;
    }
    QTemporaryDir runtime;
    QProcessEnvironment variables = childEnvironment(runtime.path());
    variables.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    variables.insert(u"DISPLAY"_s, *display);
    variables.remove(u"WAYLAND_DISPLAY"_s);
    variables.remove(u"XAUTHORITY"_s);
    if (ours)
        timeStartUp(state, QString::fromLatin1(PROGRAM_BINARY), {}, variables);
    else
        timeStartUp(state, QString::fromLatin1(MINIMAL_WINDOW_BINARY), {u"--japanese-text"_s},
                    variables);
}

void xStartUpOurs(benchmark::State &state)
{
    timeXStartUp(state, true);
}

void xStartUpBaseline(benchmark::State &state)
{
    timeXStartUp(state, false);
}

// Several whole runs on the diet of 100,000 entries, one process each.
void startUpRuns(benchmark::internal::Benchmark *bench)
{
    bench->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
    bench->Repetitions(11);
    keepingMinimum(bench);
}

// The same on a real X connection, with an empty log and with 100,000 entries.
void xStartUpRuns(benchmark::internal::Benchmark *bench)
{
    startUpRuns(bench);
    bench->Arg(DeclarationOnly);
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
BENCHMARK(xStartUpOurs)->Name("xstartup/ours")->Apply(xStartUpRuns);
BENCHMARK(xStartUpBaseline)->Name("xstartup/baseline")->Apply(xStartUpRuns);
