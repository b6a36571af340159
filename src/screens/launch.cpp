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

void startProgram()
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/chick.xpm")));
    prepareDataAtStartup(QDir::currentPath(), platform().now());

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
