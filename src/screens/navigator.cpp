// SPDX-License-Identifier: GPL-3.0-or-later
#include "navigator.h"

#include "chart/weightchart.h"
#include "engine/mainscreen.h"
#include "main/form1.h"
#include "main/form11.h"
#include "main/form3.h"
#include "main/form4.h"
#include "platform/platform.h"
#include "platform/screenchange.h"
#include "platform/twips.h"
#include "settings/form2.h"
#include "settings/form7.h"
#include "settings/settingsstore.h"
#include "state/startup.h"
#include "state/state.h"
#include "wizard/form10.h"
#include "wizard/form5.h"
#include "wizard/form6.h"
#include "wizard/form9.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>

using namespace Qt::Literals::StringLiterals;

namespace {

QPointer<Form1> mainScreen;
QPointer<Form2> settingsScreen;

// A screen that lives from its first reference until the program ends: created hidden, connected
// to the navigator, then loaded.
template <typename Screen> Screen &loadedOnce(QPointer<Screen> &screen, void (*connectUp)(Screen *))
{
    if (!screen) {
        screen = new Screen;
        connectUp(screen);
        screen->Form_Load();
    }
    return *screen;
}

// `next` takes the place of `current`, which hides.
void replace(QWidget *current, QWidget *next)
{
    showInPlaceOf(next, current);
    current->hide();
}

// Opens `next`, created just now, in `opener`'s place; when it closes, `opener` comes back there.
template <typename Screen> void openReturningTo(QWidget *opener, Screen *next)
{
    QObject::connect(next, &Screen::closed, next, [opener, next] { showInPlaceOf(opener, next); });
    replace(opener, next);
}

// The help opened from `opener`, which it brings back when it closes; helpReturnTo names it.
void openHelp(QWidget *opener, std::int16_t returnTo)
{
    auto *help = new Form4;
    QObject::connect(help, &Form4::closed, help, [help] {
        showInPlaceOf(helpReturnTo == 2 ? static_cast<QWidget *>(&form2()) : &form1(), help);
    });
    showInPlaceOf(help, opener);
    helpReturnTo = returnTo;
    opener->hide();
}

// The exit save: yourdata.csv from what the settings screen shows and the main window's position,
// then the settings screen is unloaded; the program ends with its last window. After a failed
// write the user chooses: end without saving, or keep the main window (and what the settings
// screen holds) and try again later.
void saveAtExit(QCloseEvent *event)
{
    Form2 &settings = form2();
    copySettingsIntoSlots(settings.fields(), windowTopInTwips(&form1()),
                          windowLeftInTwips(&form1()));
    const bool saved = saveYourData();
    settings.showTableFromTop();
    if (!saved &&
        !platform().askQuestion(
            u"保存しないで終了しますか？\n「メイン画面に戻る」を選ぶと、入力した内容を残したままメイン画面に戻ります。"_s,
            u"保存しないで終了"_s, u"メイン画面に戻る"_s)) {
        event->ignore();
        return;
    }
    delete settingsScreen.data();
}

void connectMainScreen(Form1 *screen)
{
    QObject::connect(screen, &Form1::winLossTableRequested, screen,
                     [screen] { openReturningTo(screen, new Form3); });
    QObject::connect(screen, &Form1::weightChartRequested, screen,
                     [screen] { openReturningTo(screen, new WeightChart); });
    QObject::connect(screen, &Form1::settingsRequested, screen,
                     [screen] { replace(screen, &form2()); });
    QObject::connect(screen, &Form1::helpRequested, screen, [screen] { openHelp(screen, 1); });
    QObject::connect(screen, &Form1::closing, screen, saveAtExit);
}

// The unsaved-changes dialog in the settings screen's place, with what the fields show now.
void openUnsavedChangesDialog(Form2 *settings)
{
    auto *dialog = new Form7(settings->fields());
    QObject::connect(dialog, &Form7::saved, dialog, [dialog] {
        form2().showTableFromTop();
        form1().applyColours();
        RefreshMainScreen();
        showInPlaceOf(&form1(), dialog);
    });
    QObject::connect(dialog, &Form7::discarded, dialog, [dialog] {
        // The main screen still shows what it showed before the settings screen was opened.
        form2().LoadSettingsScreen();
        showInPlaceOf(&form1(), dialog);
    });
    replace(settings, dialog);
}

// The copy customisation; the settings screen comes back where it stood when the dialog opened.
void openCopyCustomisation(Form2 *settings)
{
    auto *dialog = new Form11;
    QObject::connect(dialog, &Form11::saved, dialog, RefreshMainScreen);
    QObject::connect(dialog, &Form11::closed, dialog, [] { showWhereItStood(&form2()); });
    replace(settings, dialog);
}

void connectSettingsScreen(Form2 *screen)
{
    QObject::connect(screen, &Form2::finished, screen, [screen] {
        if (settingsDirty == 1)
            openUnsavedChangesDialog(screen);
        else // the main screen is not refreshed
            replace(screen, &form1());
    });
    QObject::connect(screen, &Form2::helpRequested, screen, [screen] { openHelp(screen, 2); });
    QObject::connect(screen, &Form2::copyTemplateRequested, screen,
                     [screen] { openCopyCustomisation(screen); });
}

// The wizard's start: the main screen, loaded with the settings screen behind it, refreshed and
// shown where page 1 stood. Start-up's placement and deadline check do not apply here.
void startDiet()
{
    form1();
    form2();
    RefreshMainScreen();
    moveWindowToTwips(&form1(), windowTop(), windowLeft());
    showAsReplacement(&form1());
}

// Page 3, which places itself where page 1 stood.
void openConfirmationPage()
{
    auto *page3 = new Form6;
    QObject::connect(page3, &Form6::dietStarted, page3, startDiet);
    showAsReplacement(page3);
}

// Page 2 in page 1's place; page 1 closes itself.
void openModePage(Form5 *page1)
{
    auto *page2 = new Form10;
    QObject::connect(page2, &Form10::nextRequested, page2, openConfirmationPage);
    showInPlaceOf(page2, page1);
}

// Page 1, shown once its load has made the single-instance check.
void openFirstWizardPage()
{
    auto *page1 = new Form5;
    QObject::connect(page1, &Form5::nextRequested, page1, [page1] { openModePage(page1); });
    page1->Form_Load();
    page1->show();
}

// The deadline-passed dialog at the saved position, in front of the hidden main screen.
void openDeadlinePassedDialog()
{
    auto *dialog = new Form9;
    QObject::connect(dialog, &Form9::continuedWithoutDeadline, dialog,
                     [dialog](const QString &days) {
                         form2().untickDeadline(days);
                         RefreshMainScreen();
                         showInPlaceOf(&form1(), dialog);
                     });
    QObject::connect(dialog, &Form9::endRequested, dialog, [dialog](QCloseEvent *event) {
        moveWindowToTwips(&form1(), windowTopInTwips(dialog), windowLeftInTwips(dialog));
        if (!form1().close())
            event->ignore();
    });
    moveWindowToTwips(dialog, windowTop(), windowLeft());
    dialog->show();
}

} // namespace

Form1 &form1()
{
    return loadedOnce(mainScreen, connectMainScreen);
}

bool form1Loaded()
{
    return mainScreen != nullptr;
}

Form2 &form2()
{
    return loadedOnce(settingsScreen, connectSettingsScreen);
}

bool form2Loaded()
{
    return settingsScreen != nullptr;
}

void openFirstScreen()
{
    if (setupDone() == 0) {
        openFirstWizardPage();
        return;
    }
    form1();
    form2();
    keepWindowOnScreen(platform().screenSizeTwips());
    if (deadlineHasPassed(platform().now().date())) {
        openDeadlinePassedDialog();
        return;
    }
    RefreshMainScreen();
    moveWindowToTwips(&form1(), windowTop(), windowLeft());
    form1().show();
}

void RefreshMainScreen()
{
    form1().showResult(computeMainScreen(platform().now().date(), platform().rnd));
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

void unloadAllScreens()
{
    delete settingsScreen.data();
    delete mainScreen.data();
}
