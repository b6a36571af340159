// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// Form6: first-run page 3, the confirmation.
class Form6 : public QWidget
{
    Q_OBJECT

public:
    // Loads the page: on page 1's position, with the summary of the typed data.
    Form6();

    void Command1_Click(); // このデータで今日からダイエットを始める
    void Command2_Click(); // やっぱりやーめた
    void Command3_Click(); // またこんどにする

    QPlainTextEdit *Text1 = nullptr; // the summary
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;

signals:
    // The diet is declared and both files are written; the main screen is to open, loaded with
    // the settings screen behind it, before this page closes.
    void dietStarted();
};

// The summary of the declared diet: start day, current and target weight, height and sex, one
// item a paragraph, CR LF line breaks.
QString dietSummaryText();
