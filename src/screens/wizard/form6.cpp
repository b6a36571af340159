// SPDX-License-Identifier: GPL-3.0-or-later
#include "form6.h"

#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/numbers.h"
#include "state/state.h"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

QString dietSummaryText()
{
    const QString paragraph = u"\r\n\r\n"_s;
    return u"ダイエット開始日： "_s + dateFromSerial(declarationDate()).toString(u"yyyy/MM/dd"_s) +
           paragraph + u"現在の体重： "_s + formatWeightText(startWeight()) + u" kg"_s + paragraph +
           u"目標の体重"_s + u"： "_s + formatWeightText(targetWeight()) + u" kg"_s + paragraph +
           u"身長： "_s + formatWeightText(height()) + u" cm"_s + u"　　性別： "_s +
           (sex() == 1 ? u"女性"_s : u"男性"_s);
}

Form6::Form6()
{
    setUpDiscardedScreen(this, u"Form6"_s,
                         u"  ( ・◇・) ? ... 入力データは開始してからでも変更できます"_s, 5595,
                         3300);

    // The summary only shows what was typed: changes are made on the pages before.
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(u"Text1"_s);
    Text1->setReadOnly(true);
    placeInTwips(Text1, 120, 120, 5355, 1935);

    Command1 = makeButton(this, u"Command1"_s, u"このデータで今日からダイエットを始める"_s,
                          {120, 2175, 5355, 435});
    Command2 = makeButton(this, u"Command2"_s, u"やっぱりやーめた"_s, {120, 2730, 2617, 435});
    Command3 = makeButton(this, u"Command3"_s, u"またこんどにする"_s, {2857, 2730, 2618, 435});
    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form6::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form6::Command3_Click);

    moveWindowToTwips(this, windowTop(), windowLeft());
    Text1->setPlainText(dietSummaryText());
}

void Form6::Command1_Click()
{
    setupDone() = 1;
    randomPhraseOn = 0; // the first refresh greets the new dieter with the opening phrase
    QString error;
    if (!writeNewDietFiles(&error)) {
        // The page stays open: the user may try again or leave with nothing started.
        platform().showMessage(
            u"データを保存できなかったため、ダイエットを始められませんでした。\n（%1）"_s.arg(
                error));
        return;
    }

    emit dietStarted();
    close();
}

// Leaving without starting ends the program (no other window is open) with nothing written.
void Form6::Command2_Click()
{
    close();
}

void Form6::Command3_Click()
{
    close();
}
