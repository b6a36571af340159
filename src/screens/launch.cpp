// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch.h"

#include "main/form1.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "screens.h"
#include "settings/form2.h"
#include "state/datafiles.h"
#include "state/startup.h"
#include "state/state.h"
#include "wizard/form5.h"
#include "wizard/form9.h"

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

    if (setupDone() == 0) {
        auto *page1 = new Form5;
        page1->Form_Load();
        removeLeftoversWhenGuarded();
        page1->show();
        return;
    }

    form1();
    removeLeftoversWhenGuarded();
    form2();
    keepWindowOnScreen(platform().screenSizeTwips());

    if (deadlineHasPassed(platform().now().date())) {
        auto *dialog = new Form9;
        moveWindowToTwips(dialog, windowTop(), windowLeft());
        dialog->show();
        return;
    }

    RefreshMainScreen();
    moveWindowToTwips(&form1(), windowTop(), windowLeft());
    form1().show();
}

void endOnRequest()
{
    static bool ending = false; // a second request while the first still asks the user is the same
    if (ending)
        return;
    ending = true;
    if (form1Loaded() && form1().isVisible())
        form1().close(); // the user may go back to the main screen after a failed save
    else
        QCoreApplication::exit(0); // no window is closed, so no exit save runs
    ending = false;
}
