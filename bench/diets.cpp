// SPDX-License-Identifier: GPL-3.0-or-later
#include "diets.h"

#include "platform/platform.h"
#include "screens/navigator.h"
#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/startup.h"
#include "state/state.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <vector>

namespace {

const QDate declared(1990, 1, 1);

// The plan as the first-run wizard leaves it, declared on 1990-01-01 without a deadline.
void declareDiet()
{
    resetState();
    resetSettingsToDefaults();
    setupDone() = 1;
    startWeight() = 85;
    targetWeight() = 65;
    height() = 170;
    windowTop() = 1200;
    windowLeft() = 1200;
    declarationDate() = serialFromDate(declared);
}

// Two weighings a day after the declaration, the weight wandering by tenths between 40 and 150 kg,
// in the table's order (newest first, the heavier first on a shared day) with the declaration
// entry last, so that a write from the table reproduces the file byte for byte.
std::vector<LogEntry> weighings(int entries)
{
    std::vector<LogEntry> log;
    log.reserve(entries);
    std::mt19937 generator(8);
    std::uniform_int_distribution<int> step(-3, 2);
    int tenths = 850;
    for (int k = 1; k < entries; ++k) {
        tenths = std::clamp(tenths + step(generator), 400, 1500);
        log.push_back({serialFromDate(declared) + 1 + (k - 1) / 2, tenths / 10.0});
    }
    std::sort(log.begin(), log.end(), [](const LogEntry &a, const LogEntry &b) {
        return a.date != b.date ? a.date > b.date : a.weight > b.weight;
    });
    log.push_back({declarationDate(), startWeight()});
    return log;
}

QByteArray generatedFile(int entries)
{
    FieldWriter writer;
    writer.reserve(512 + qsizetype(entries) * 20);
    writeSettingsHeader(writer);
    for (const LogEntry &entry : weighings(entries)) {
        writer.date(entry.date);
        writer.real(entry.weight);
        writer.endRecord();
    }
    return writer.bytes();
}

QTemporaryDir &benchRoot()
{
    static QTemporaryDir root;
    return root;
}

std::map<int, QByteArray> &generatedFiles()
{
    static std::map<int, QByteArray> files;
    return files;
}

void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "benchmark data: %s\n", what);
        std::exit(1);
    }
}

} // namespace

QString dietDirectory(int entries)
{
    const QString directory = benchRoot().path() + u'/' + QString::number(entries);
    if (generatedFiles().count(entries))
        return directory;
    require(benchRoot().isValid(), "no temporary directory");
    declareDiet();
    dataRoot = directory;
    require(QDir().mkpath(dataDirectory()), "cannot create the data directory");
    const QByteArray bytes = generatedFile(entries);
    require(saveFile(yourDataPath(), bytes, nullptr), "cannot write yourdata.csv");
    require(writeDefaultTemplateFile(), "cannot write customdata.csv");
    generatedFiles()[entries] = bytes;
    resetState();
    return directory;
}

QByteArray dietFileBytes(int entries)
{
    dietDirectory(entries);
    return generatedFiles()[entries];
}

void openDiet(int entries)
{
    const QString directory = dietDirectory(entries);
    unloadAllScreens();
    resetState();
    prepareDataAtStartup(directory, QDateTime::currentDateTime());
}

void useQuietPlatform()
{
    PlatformServices &services = platform();
    services.showMessage = [](const QString &text) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::exit(1);
    };
    services.askQuestion = [](const QString &text, const QString &, const QString &) -> bool {
        std::fprintf(stderr, "unexpected question: %s\n", qPrintable(text));
        std::exit(1);
    };
    services.pickColour = [](std::int32_t) { return std::optional<std::int32_t>(); };
    services.openAddress = [](const QString &) { return false; };
    services.checkInstance = [](const QString &) { return InstanceCheck(); };
}
