// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Form3: the win/loss table. It marks every weighing against the one before it, counts wins and
// losses and finds the longest winning run, all once when it is opened, from the weight log
// (unsaved entries included).
class Form3 : public QWidget
{
    Q_OBJECT

public:
    Form3();

    void Command1_Click(); // コピー
    void Command2_Click(); // 戻る

    QPlainTextEdit *Text1 = nullptr; // the marks
    QLineEdit *Text2 = nullptr;      // wins and losses
    QLineEdit *Text3 = nullptr;      // longest winning run
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

signals:
    // 戻る or the close box; emitted while the screen still stands where it was.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QString marks; // one mark per weighing, oldest first
};
