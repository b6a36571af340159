// SPDX-License-Identifier: GPL-3.0-or-later
#include "form10.h"

#include "platform/controls.h"
#include "state/state.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;

namespace {

// The captions in the order of the level mode codes 0 .. 5.
const std::array<QString, 6> optionCaptions = {
    u"子猫モード（大きな動物から子猫を目指します）"_s,
    u"子犬モード（大きな動物から子犬を目指します）"_s,
    u"ソルジャー（二等兵からの出世を目指します）"_s,
    u"コスモＲ（大きな物体から小さな物体を目指します）"_s,
    u"シンデレラモード（物語が順々に展開していきます）"_s,
    u"桃太郎モード（物語が順々に展開していきます）"_s,
};

} // namespace

Form10::Form10()
{
    setUpDiscardedScreen(this, u"Form10"_s, u" モード選択 - zunoko"_s, 5595, 3300);

    Label1 = makeLabel(
        this, u"Label1"_s,
        u"体重の減少率に応じてレベルが上がります。レベルのモードを一つ選択してください。モードはいつでも変更可能です。"_s,
        {240, 120, 5115, 540});
    Label1->setWordWrap(true);

    int top = 780;
    int mode = 0;
    for (QRadioButton **option : options()) {
        *option = makeOption(this, u"Option%1"_s.arg(mode + 1), optionCaptions[mode],
                             {480, top, 4875, 300});
        top += 315;
        ++mode;
    }
    Option1->setChecked(true);

    Command1 = makeButton(this, u"Command1"_s, u"次へすすむ"_s, {3480, 2760, 1875, 420});
    connect(Command1, &QPushButton::clicked, this, &Form10::Command1_Click);
}

void Form10::Command1_Click()
{
    int mode = 0;
    for (QRadioButton **option : options()) {
        if ((*option)->isChecked())
            levelMode() = mode;
        ++mode;
    }

    emit nextRequested();
    close();
}
