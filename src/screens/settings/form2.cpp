#include "form2.h"

#include "weighttablemodel.h"

using namespace Qt::Literals::StringLiterals;

Form2::Form2() : weights(new WeightTableModel(this))
{
    setWindowTitle(u" 設定画面 - zunoko - すべて半角で記入してください"_s);
    setObjectName(u"Form2"_s);
}

void Form2::Form_Load()
{
    LoadSettingsScreen();
}

void Form2::LoadSettingsScreen() {}
void Form2::MSFlexGrid1_Click(int) {}
void Form2::Command1_Click() {}
void Form2::Command2_Click() {}
void Form2::Command3_Click() {}
void Form2::Command6_Click() {}
void Form2::Command4_Click() {}
void Form2::Command7_Click() {}
void Form2::Command8_Click() {}
void Form2::Command9_Click() {}
void Form2::Check1_Click() {}
