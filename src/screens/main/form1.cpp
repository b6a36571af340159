#include "form1.h"

#include "state/state.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

Form1::Form1()
{
    setWindowTitle(u" トルミ式 - zunoko"_s);
    setObjectName(u"Form1"_s);
}

void Form1::Form_Load() {}

void Form1::applyColours() {}

void Form1::Command1_Click() {}
void Form1::Command2_Click() {}
void Form1::Command3_Click() {}
void Form1::Command4_Click() {}
void Form1::Command5_Click() {}

void Form1::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
}

void RefreshMainScreen()
{
    randomPhraseOn = 1;
}
