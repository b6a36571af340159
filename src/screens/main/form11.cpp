// SPDX-License-Identifier: GPL-3.0-or-later
#include "form11.h"

#include "platform/controls.h"
#include "platform/platform.h"
#include "screens/shared/storabletext.h"
#include "state/datafiles.h"
#include "state/state.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;

Form11::Form11()
{
    setUpDiscardedScreen(this, u"Form11"_s, u" コピーのカスタマイズ - zunoko"_s, 5565, 3270);

    Frame1 = makeFrame(this, u"Frame1"_s, u"コピーされるテキストの変更"_s, {120, 120, 2655, 2655});
    for (int i = 0; i < 6; ++i) {
        Text1[i] = makeTextBox(Frame1, elementName(u"Text1"_s, i), {240, 360 + 360 * i, 2175, 270},
                               100, false);
        Text1[i]->setValidator(new StorableTextValidator(Text1[i]));
    }

    Frame2 = makeFrame(this, u"Frame2"_s, QString(), {2880, 120, 2535, 735});
    Check1 = makeCheckBox(Frame2, u"Check1"_s, u"今日の一言もコピーする"_s, {120, 240, 2295, 375});

    Frame3 = makeFrame(this, u"Frame3"_s, u"コピーの最後に改行"_s, {2880, 960, 2535, 1095});
    Option1 = makeOption(Frame3, u"Option1"_s, u"なし"_s, {480, 240, 1335, 255});
    Option2 = makeOption(Frame3, u"Option2"_s, u"あり（一つ）"_s, {480, 480, 1575, 255});
    Option3 = makeOption(Frame3, u"Option3"_s, u"あり（二つ）"_s, {480, 720, 1575, 255});
    Option1->setChecked(true);

    Frame4 = makeFrame(this, u"Frame4"_s, u"体重増減の＋－表示"_s, {2880, 2160, 2535, 615});
    Check2 = makeCheckBox(Frame4, u"Check2"_s, u"あり"_s, {120, 240, 2295, 255});

    Command1 = makeButton(this, u"Command1"_s, u"保存して終了"_s, {120, 2880, 2655, 350});
    Command2 = makeButton(this, u"Command2"_s, u"キャンセル"_s, {2880, 2880, 2535, 350});

    connect(Command1, &QPushButton::clicked, this, &Form11::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form11::Command2_Click);
    pressOnKey(Command2, Qt::Key_Escape);

    loadTemplate();
}

// Fills the controls from the template held in memory. A line-break count other than 0, 1 or 2
// (a hand-edited file) leaves "なし" selected.
void Form11::loadTemplate()
{
    for (int i = 0; i < 6; ++i)
        setBoxText(Text1[i], shownText(storableForm(CopyTitles[i + 1])));
    Check1->setChecked(copyPhrase() != 0);
    if (trailingNewlines() == 0)
        Option1->setChecked(true);
    else if (trailingNewlines() == 1)
        Option2->setChecked(true);
    else if (trailingNewlines() == 2)
        Option3->setChecked(true);
    Check2->setChecked(showSign() == 1);
}

// Copies the controls into the template; the titles exactly as typed, an empty one included, and
// an unedited one as it was read.
void Form11::storeTemplate()
{
    for (int i = 0; i < 6; ++i)
        CopyTitles[i + 1] = storedText(Text1[i]->text(), storableForm(CopyTitles[i + 1]));
    copyPhrase() = Check1->isChecked() ? 1 : 0;
    trailingNewlines() = Option3->isChecked() ? 2 : (Option2->isChecked() ? 1 : 0);
    showSign() = Check2->isChecked() ? 1 : 0;
}

// Stores the template and writes all twenty lines of customdata.csv. When the file cannot be
// written the template in memory goes back to what is on disk, the user is told, and the dialog
// stays open.
void Form11::Command1_Click()
{
    const auto savedFlags = CopyFlags;
    const auto savedTitles = CopyTitles;
    storeTemplate();
    QString error;
    if (!saveTemplateFile(&error)) {
        CopyFlags = savedFlags;
        CopyTitles = savedTitles;
        platform().showMessage(u"コピーの設定を保存できませんでした。\n"_s + error);
        return;
    }
    emit saved();
    close();
}

void Form11::Command2_Click()
{
    close();
}

void Form11::closeEvent(QCloseEvent *event)
{
    emit closed();
    event->accept();
}
