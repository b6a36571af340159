// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

// Form10: first-run page 2, the level mode.
class Form10 : public QWidget
{
    Q_OBJECT

public:
    Form10();

    void Command1_Click(); // 次へすすむ

    QLabel *Label1 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QRadioButton *Option5 = nullptr;
    QRadioButton *Option6 = nullptr;
    QPushButton *Command1 = nullptr;

signals:
    // 次へすすむ with the level mode taken; page 3 is to open before this page closes.
    void nextRequested();

private:
    // Option1 .. Option6, top to bottom; the index is the option's level mode code.
    std::array<QRadioButton **, 6> options()
    {
        return {&Option1, &Option2, &Option3, &Option4, &Option5, &Option6};
    }
};
