// SPDX-License-Identifier: GPL-3.0-or-later
#include "form7.h"

#include "form2.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/screenchange.h"
#include "platform/twips.h"
#include "screens/main/form1.h"
#include "screens/screens.h"
#include "settingsstore.h"
#include "state/numbers.h"
#include "state/state.h"
#include "state/weightlog.h"
#include "state/weightlogfile.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

Form7::Form7()
{
    setObjectName(u"Form7"_s);
    setWindowTitle(u" ( ・◇・) ? ?"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(gothicFont(9));
    setClientSizeInTwips(this, 4095, 1995);

    Label1 = makeLabelAt(this, u"Label1"_s, u"入力画面の内容が変更されています"_s, 240, 180);
    Label2 = makeLabelAt(this, u"Label2"_s, u"どうしますか？"_s, 240, 480);
    Label3 = makeLabelAt(this, u"Label3"_s, u"キャンセルを押すと変更は保存されません"_s, 240, 780);
    Command1 = makeButton(this, u"Command1"_s, u"変更を保存する"_s, {240, 1320, 2055, 375});
    Command2 = makeButton(this, u"Command2"_s, u"キャンセル"_s, {2400, 1320, 1455, 375});
    connect(Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form7::Command2_Click);
}

void Form7::Command1_Click()
{
    Form2 &settings = form2();
    const SettingsFields fields = settings.fields();
    WeightLog &log = weightLog();
    // The declaration entry follows the plan as typed, in half-width forms; the log is not
    // re-sorted.
    if (log.entryCount() > 0)
        log.setEntry(log.entryCount(), halfWidthForms(fields.declarationDate),
                     halfWidthForms(fields.startWeight));
    copySettingsIntoSlots(fields, windowTopInTwips(this), windowLeftInTwips(this));
    const bool saved = saveYourData();
    settings.showTableFromTop();
    // A failed write has been reported; the dialog stays open so that nothing claims success.
    if (!saved)
        return;
    takeNewestEntry(log);
    form1().applyColours();
    RefreshMainScreen();
    showMainScreenHere();
    settingsDirty = 0;
    decided = true;
    close();
}

void Form7::Command2_Click()
{
    discardChanges();
    decided = true;
    close();
}

void Form7::closeEvent(QCloseEvent *event)
{
    if (!decided)
        discardChanges();
    event->accept();
}

void Form7::discardChanges()
{
    // The settings screen and the slots (colours included) go back to what the file holds; the
    // main screen still shows what it showed before the settings screen was opened.
    form2().LoadSettingsScreen();
    showMainScreenHere();
}

void Form7::showMainScreenHere()
{
    showInPlaceOf(&form1(), this);
}
