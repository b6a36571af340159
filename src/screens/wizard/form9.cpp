// SPDX-License-Identifier: GPL-3.0-or-later
#include "form9.h"

#include "platform/controls.h"
#include "platform/screenchange.h"
#include "platform/twips.h"
#include "screens/main/form1.h"
#include "screens/screens.h"
#include "screens/settings/form2.h"
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
    if (endThroughMainScreen())
        close();
}

void Form9::Command2_Click()
{
    done = true;
    // The old deadline plus 30 days stands ready, greyed, should the user tick the box again.
    form2().untickDeadline(QString::number(std::int64_t(deadlineDays()) + 30));
    deadlineDays() = 0; // reaches the file with the next save, as the box is unticked
    RefreshMainScreen();
    showInPlaceOf(&form1(), this);
    close();
}

void Form9::closeEvent(QCloseEvent *event)
{
    if (!done && !endThroughMainScreen()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

bool Form9::endThroughMainScreen()
{
    // The exit save takes the window position from the main screen, so it stands where the
    // dialog stood; the deadline is saved unchanged and the dialog comes back at the next start.
    moveWindowToTwips(&form1(), windowTopInTwips(this), windowLeftInTwips(this));
    done = form1().close();
    return done;
}
