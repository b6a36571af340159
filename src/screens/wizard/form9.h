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

signals:
    // The diet goes on without a deadline: the settings screen is to show its box unticked, with
    // `days` (the old deadline plus 30) greyed in the days box, and the main screen is to be
    // refreshed and shown here.
    void continuedWithoutDeadline(const QString &days);
    // ソフトを終了させる or the close box: the hidden main screen is to close from here, so that
    // its exit save runs. The receiver ignores `event` (which arrives accepted) when the main
    // screen stayed open; the dialog then stays for another choice. Through a direct connection.
    void endRequested(QCloseEvent *event);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool continuing = false; // このままダイエットを継続する was chosen
};
