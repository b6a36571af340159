// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch.h"

#include "navigator.h"
#include "platform/platform.h"
#include "state/datafiles.h"
#include "state/startup.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

using namespace Qt::Literals::StringLiterals;

namespace {

// Start-up carries on without the files it could not write; the user learns which and why.
void reportUnwrittenFiles(const std::vector<FileProblem> &failures)
{
    if (failures.empty())
        return;
    QString text = u"データファイルを作成できませんでした。"_s;
    for (const FileProblem &failure : failures)
        text +=
            u"\n保存先: %1\n理由: %2"_s.arg(QDir::toNativeSeparators(failure.path), failure.reason);
    platform().showMessage(text);
}

// A data file or folder that is there but cannot be used ends the program before anything is
// written, so that the diet in it is not taken for missing and replaced.
void reportUnusableFiles(const std::vector<FileProblem> &problems)
{
    QString text = u"データを読み込めないため、何も書き込まずに終了します。"_s;
    for (const FileProblem &problem : problems) {
        text +=
            u"\n\n場所: %1\n理由: %2"_s.arg(QDir::toNativeSeparators(problem.path), problem.reason);
        if (!problem.remedy.isEmpty())
            text += u"\n"_s + problem.remedy;
    }
    platform().showMessage(text);
}

// Once this copy holds the data folder (the first window's load has checked), nothing is saving
// into it: the leftovers of saves killed before their rename can go.
void removeLeftoversWhenGuarded()
{
    if (platform().checkInstance(dataDirectory()).answer == InstanceCheck::Alone)
        removeSaveLeftovers();
}

} // namespace

void startProgram()
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/chick.xpm")));
    const StartupFiles files = prepareDataAtStartup(QDir::currentPath(), platform().now());
    if (!files.unusable.empty()) {
        reportUnusableFiles(files.unusable);
        platform().terminateProcess();
        return;
    }
    reportUnwrittenFiles(files.unwritten);
    openFirstScreen();
    removeLeftoversWhenGuarded();
}
