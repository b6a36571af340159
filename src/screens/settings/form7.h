// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// Form7: the unsaved-changes dialog, shown in the settings screen's place when it is finished
// with changes. It saves them or discards them, then shows the main screen where it stands.
class Form7 : public QWidget
{
    Q_OBJECT

public:
    Form7();

    void Command1_Click(); // 変更を保存する
    void Command2_Click(); // キャンセル

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override; // the close box discards, as キャンセル does

private:
    void discardChanges();
    void showMainScreenHere();

    bool decided = false; // a button has done the dialog's work
};
