// SPDX-License-Identifier: GPL-3.0-or-later
#include "form7.h"

#include "platform/controls.h"
#include "platform/twips.h"
#include "state/state.h"
#include "state/weightlog.h"
#include "state/weightlogfile.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

Form7::Form7(SettingsFields fields) : fields(std::move(fields))
{
    setUpDiscardedScreen(this, u"Form7"_s, u" ( ・◇・) ? ?"_s, 4095, 1995);

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
    WeightLog &log = weightLog();
    // The declaration entry follows the plan as typed; the log is not re-sorted.
    if (log.entryCount() > 0)
        log.setEntry(log.entryCount(), fields.declarationDate, fields.startWeight);
    copySettingsIntoSlots(fields, windowTopInTwips(this), windowLeftInTwips(this));
    // A failed write has been reported; the dialog stays open so that nothing claims success.
    if (!saveYourData())
        return;
    takeNewestEntry(log);
    emit saved();
    settingsDirty = 0;
    decided = true;
    close();
}

void Form7::Command2_Click()
{
    emit discarded();
    decided = true;
    close();
}

void Form7::closeEvent(QCloseEvent *event)
{
    if (!decided)
        emit discarded();
    event->accept();
}
