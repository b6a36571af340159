// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch.h"

#include "main/form1.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "screens.h"
#include "settings/form2.h"
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
void reportUnwrittenFiles(const std::vector<FileWriteFailure> &failures)
{
    if (failures.empty())
        return;
    QString text = u"データファイルを作成できませんでした。"_s;
    for (const FileWriteFailure &failure : failures)
        text +=
            u"\n保存先: %1\n理由: %2"_s.arg(QDir::toNativeSeparators(failure.path), failure.reason);
    platform().showMessage(text);
}

} // namespace

void startProgram()
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/chick.xpm")));
    reportUnwrittenFiles(prepareDataAtStartup(QDir::currentPath(), platform().now()));

    if (setupDone() == 0) {
        auto *page1 = new Form5;
        page1->Form_Load();
        page1->show();
        return;
    }

    form1();
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
