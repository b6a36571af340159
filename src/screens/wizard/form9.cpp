// SPDX-License-Identifier: GPL-3.0-or-later
#include "form9.h"

#include "platform/controls.h"
#include "state/state.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

Form9::Form9()
{
    setUpDiscardedScreen(this, u"Form9"_s, u"　(´＿｀。)"_s, 5595, 3300);

    Label1 = makeLabel(
        this, u"Label1"_s,
        u"大変残念なことですが、あなたが設定されたダイエットの期限を越えてしまいました。"_s,
        {240, 240, 5115, 540});
    Label2 = makeLabel(this, u"Label2"_s, u"どうされますか？"_s, {240, 960, 5115, 300});
    Label3 = makeLabel(
        this, u"Label3"_s,
        u"期限を無効にしてダイエットを継続することができます。その場合でも期限の再設定は後から入力画面でできます。"_s,
        {240, 1440, 5115, 540});
    for (QLabel *label : {Label1, Label3})
        label->setWordWrap(true);

    Command1 = makeButton(this, u"Command1"_s, u"ソフトを終了させる"_s, {240, 2400, 2100, 495});
    Command2 =
        makeButton(this, u"Command2"_s, u"このままダイエットを継続する"_s, {2460, 2400, 2895, 495});
    connect(Command1, &QPushButton::clicked, this, &Form9::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form9::Command2_Click);
}

void Form9::Command1_Click()
{
    close();
}

void Form9::Command2_Click()
{
    continuing = true;
    // The old deadline plus 30 days stands ready, greyed, should the user tick the box again.
    const QString readyDays = QString::number(std::int64_t(deadlineDays()) + 30);
    deadlineDays() = 0; // reaches the file with the next save, as the box is unticked
    emit continuedWithoutDeadline(readyDays);
    close();
}

// The exit save takes the window position from the main screen, which therefore closes from where
// the dialog stands; the deadline is saved unchanged and the dialog comes back at the next start.
void Form9::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!continuing)
        emit endRequested(event);
}
