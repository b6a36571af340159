// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settingsstore.h"

#include <QWidget>

class QLabel;
class QPushButton;

// Form7: the unsaved-changes dialog, shown in the settings screen's place when it is finished
// with changes. It saves what the settings screen's fields show and the weight log, or discards
// them; either way the main screen comes next, where the dialog stands.
class Form7 : public QWidget
{
    Q_OBJECT

public:
    explicit Form7(SettingsFields fields);

    void Command1_Click(); // 変更を保存する
    void Command2_Click(); // キャンセル

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

signals:
    // The file was written and the newest entry taken; the main screen is to show the new colours
    // and results, here. Emitted before the dialog closes.
    void saved();
    // キャンセル or the close box: the settings screen is to go back to what the file holds, and
    // the main screen, unrefreshed, to come here. Emitted before the dialog closes.
    void discarded();

protected:
    void closeEvent(QCloseEvent *event) override; // the close box discards, as キャンセル does

private:
    const SettingsFields fields; // as the settings screen showed them when it was finished
    bool decided = false;        // a button has done the dialog's work
};
