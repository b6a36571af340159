// SPDX-License-Identifier: GPL-3.0-or-later
// Replays every input the fuzzer was ever given to keep (the seed corpus, what it found worth
// keeping, every crash) through the fuzzer's own entry point, so that a fixed fault stays fixed.

#include "fuzzdatafiles.h"
#include "support/tolmitest.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList inputsIn(const QString &folder)
{
    QStringList paths;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

} // namespace

class FuzzCorpus : public TolmiTest
{
};

TEST_F(FuzzCorpus, EveryKeptInputKeepsTheDataFilePromises)
{
    const QStringList seeds = inputsIn(QStringLiteral(FUZZ_CORPUS_DIR));
    ASSERT_GE(seeds.size(), 10) << "the seed corpus is missing";
    const QStringList inputs = seeds + inputsIn(QStringLiteral(FUZZ_CRASHES_DIR));
    for (const QString &path : inputs) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << utf8(path);
        const QByteArray bytes = file.readAll();
        // A broken promise aborts with its description on standard error, as in the fuzzer.
        fuzzDataFiles(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size()));
    }
}
