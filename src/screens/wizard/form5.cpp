// SPDX-License-Identifier: GPL-3.0-or-later
#include "form5.h"

#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "screens/shared/instancecheck.h"
#include "state/dateserial.h"
#include "state/numbers.h"
#include "state/state.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

using namespace Qt::Literals::StringLiterals;

Form5::Form5()
{
    setUpDiscardedScreen(this, u"Form5"_s, u" スタートアップ - zunoko"_s, 5595, 3300);

    Label2 = makeLabelAt(this, u"Label2"_s,
                         u"必要項目を入力してください（半角で、小数点一桁まで）"_s, 240, 240);

    // One row per box: its name on the left, the unit with an example on the right.
    struct Row
    {
        QLineEdit *&box;
        QString name;
        QString caption;
        QString unit;
    };
    const Row rows[] = {
        {Text1, u"Text1"_s, u"現在の体重"_s, u"kg (例：145.8)"_s},
        {Text2, u"Text2"_s, u"目標の体重"_s, u"kg (例：70.5)"_s},
        {Text3, u"Text3"_s, u"身長"_s, u"cm (例：170.5)"_s},
    };
    int top = 720;
    for (const Row &row : rows) {
        QLabel *caption = makeLabelAt(this, row.name + u"Caption"_s, row.caption, 480, top + 45);
        row.box = makeNumberBox(this, row.name, {1800, top, 900, 300}, 5);
        caption->setBuddy(row.box); // which also names the box for screen readers
        makeLabelAt(this, row.name + u"Unit"_s, row.unit, 2820, top + 45);
        top += 420;
    }

    Frame1 = makeFrame(this, u"Frame1"_s, u"性別"_s, {480, 2040, 2220, 735});
    Option1 = makeOption(Frame1, u"Option1"_s, u"男性"_s, {180, 330, 900, 300});
    Option2 = makeOption(Frame1, u"Option2"_s, u"女性"_s, {1140, 330, 900, 300});
    Option2->setChecked(true);

    Command1 = makeButton(this, u"Command1"_s, u"次へ進む"_s, {3240, 2280, 1875, 495});
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
}

void Form5::Form_Load()
{
    refuseSecondInstance();
}

void Form5::Command1_Click()
{
    // A text that is no number counts as out of range.
    const std::optional<double> current = numberWithin(Text1->text(), 0.5, 999);
    const std::optional<double> target = numberWithin(Text2->text(), 0.5, 999);
    const std::optional<double> tall = numberWithin(Text3->text(), 50, 999.9);
    QString problem;
    if (!current)
        problem = u"有効範囲内にある半角数字を現在の体重に入力してください"_s;
    else if (!target)
        problem = u"有効範囲内にある半角数字を目標の体重に入力してください"_s;
    else if (*current <= *target)
        problem = u"目標体重は現在の体重より小さく設定してください"_s;
    else if (!tall)
        problem = u"有効範囲内にある半角数字を身長に入力してください"_s;
    if (!problem.isEmpty()) {
        platform().showMessage(problem);
        return;
    }

    sex() = Option1->isChecked() ? 0 : 1;
    windowTop() = windowTopInTwips(this);
    windowLeft() = windowLeftInTwips(this);
    // Kept exactly as typed: a second decimal survives until the settings screen shows one.
    startWeight() = *current;
    targetWeight() = *target;
    ::height() = *tall; // the diet's height, not the page's
    declarationDate() = serialFromDateTime(platform().now());

    // The next page opens where this one stands before this one closes, so the program never
    // finds itself without a window on the way.
    emit nextRequested();
    close();
}
