// SPDX-License-Identifier: GPL-3.0-or-later
#include "form3.h"

#include "engine/formats.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "state/state.h"
#include "state/weightlog.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

struct WinLossRecord
{
    QString marks;
    int wins = 0;
    int losses = 0;
    int bestRun = 0;
};

// Walks the log from the declaration entry (the last row) up to the newest entry (row 1). A
// weighing at or below the target is "◎" even after a gain; otherwise it is "○" when the weight
// went down or stayed, "●" when it went up.
WinLossRecord markWeighings(const WeightLog &log, double target)
{
    WinLossRecord record;
    record.marks.reserve(log.entryCount());
    int run = 0;
    for (int row = log.entryCount() - 1; row >= 1; --row) {
        const double older = log.weightNumber(row + 1);
        const double newer = log.weightNumber(row);
        const bool atTarget = target >= newer;
        const bool win = atTarget || newer <= older;
        record.marks += atTarget ? u"◎"_s : (win ? u"○"_s : u"●"_s);
        if (win) {
            ++record.wins;
            record.bestRun = std::max(record.bestRun, ++run);
        } else {
            ++record.losses;
            run = 0;
        }
    }
    return record;
}

} // namespace

Form3::Form3()
{
    setUpDiscardedScreen(this, u"Form3"_s, u" トルミな星取表 - zunoko"_s, 5595, 3300);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(u"Text1"_s);
    placeInTwips(Text1, 120, 0, 5295, 2535);
    Text1->setFont(gothicFont(15.75));
    Text1->setReadOnly(true);
    Text1->setWordWrapMode(QTextOption::WrapAnywhere);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Command1 = makeButton(this, u"Command1"_s, u"コピー"_s, {120, 2640, 1095, 615});
    Text2 = makeTextBox(this, u"Text2"_s, {1320, 2640, 3015, 270}, 32767, false);
    Text2->setReadOnly(true);
    Text3 = makeTextBox(this, u"Text3"_s, {1320, 3000, 3015, 270}, 32767, false);
    Text3->setReadOnly(true);
    Command2 = makeButton(this, u"Command2"_s, u"戻る"_s, {4440, 2640, 1095, 615});

    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    pressOnKey(Command2, Qt::Key_Escape);

    const WinLossRecord record = markWeighings(weightLog(), targetWeight());
    marks = record.marks;
    Text1->setPlainText(marks);
    Text2->setText(fullWidthNumber(record.wins) + u"勝"_s + fullWidthNumber(record.losses) +
                   u"敗"_s);
    Text3->setText(u"連続記録 "_s + QString::number(record.bestRun) + u"日"_s);
}

void Form3::Command1_Click()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(marks + u" "_s + Text2->text() + u"（"_s + Text3->text() + u"）"_s);
}

void Form3::Command2_Click()
{
    close();
}

void Form3::closeEvent(QCloseEvent *event)
{
    emit closed();
    event->accept();
}
