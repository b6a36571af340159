// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// Form9: the deadline-passed dialog, shown by start-up in front of the hidden main screen.
class Form9 : public QWidget
{
    Q_OBJECT

public:
    Form9();

    void Command1_Click(); // ソフトを終了させる
    void Command2_Click(); // このままダイエットを継続する

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

protected:
    // The close box ends the program as "ソフトを終了させる" does.
    void closeEvent(QCloseEvent *event) override;

private:
    // Closes the hidden main screen from the dialog's position, so that its exit save runs. False
    // when the main screen stayed open (its save failed); the dialog then stays for another choice.
    bool endThroughMainScreen();

    bool done = false; // one of the two ways out has been taken
};
