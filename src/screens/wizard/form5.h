// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Form5: first-run page 1, the body data.
class Form5 : public QWidget
{
    Q_OBJECT

public:
    Form5();

    // The load steps: the single-instance check before the page is shown.
    void Form_Load();

    void Command1_Click(); // 次へ進む

    QLabel *Label2 = nullptr;   // instruction
    QLineEdit *Text1 = nullptr; // current weight
    QLineEdit *Text2 = nullptr; // target weight
    QLineEdit *Text3 = nullptr; // height
    QGroupBox *Frame1 = nullptr;
    QRadioButton *Option1 = nullptr; // 男性
    QRadioButton *Option2 = nullptr; // 女性
    QPushButton *Command1 = nullptr;

signals:
    // 次へ進む with the body data taken; page 2 is to open in this page's place before it closes.
    void nextRequested();
};
