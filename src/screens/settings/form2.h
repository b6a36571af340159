// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settingsstore.h"
#include "state/weightlog.h"

#include <QDate>
#include <QWidget>
#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class LogTransfer;

// Form2: the settings screen, holding the diet plan, the display settings and the weight log
// editor, whose table shows the program's weight log. Loaded once, hidden, it stays until the
// program ends.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    Form2();

    void Form_Load(); // runs LoadSettingsScreen
    // Fills the weight log from yourdata.csv and the fields from the slots; sets currentWeight
    // and latestDate from row 1.
    void LoadSettingsScreen();

    // What the fields show, for the saves.
    SettingsFields fields() const;
    // Unticks the deadline box and puts `days` into the days box, greyed, ready should the user
    // tick the box again.
    void untickDeadline(const QString &days);
    // The table with its first row and date column current, scrolled to the top, as after a save.
    void showTableFromTop();

    // Log editor. `row` is the table row clicked, 0 for the heading.
    void MSFlexGrid1_Click(int row);
    void Command1_Click(); // 新規
    void Command2_Click(); // 書込
    void Command3_Click(); // 削除
    // Settings.
    void Command6_Click(); // 設定を終了する
    void Command4_Click(); // ヘルプ
    void Command7_Click(); // 文字色
    void Command8_Click(); // 背景色
    void Command9_Click(); // コピー変更
    void Check1_Click();
    void Option1_Click();
    void Option2_Click();
    void Combo1_Click(); // an entry chosen from the list

    // The table's paste, copy, import and export.
    LogTransfer *logTransfer = nullptr;

    // Log editor controls.
    QTableView *MSFlexGrid1 = nullptr;
    QLineEdit *Text1 = nullptr; // entry date
    QLineEdit *Text2 = nullptr; // entry weight
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;

    // Settings controls.
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr; // colour sample
    QLabel *Label8 = nullptr;
    QLineEdit *Text3 = nullptr; // declaration date
    QLineEdit *Text4 = nullptr; // start weight
    QLineEdit *Text5 = nullptr; // target weight
    QLineEdit *Text6 = nullptr; // height
    QLineEdit *Text7 = nullptr; // web address
    QLineEdit *Text8 = nullptr; // deadline days
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QRadioButton *Option1 = nullptr; // 男
    QRadioButton *Option2 = nullptr; // 女
    QComboBox *Combo1 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command7 = nullptr;
    QPushButton *Command8 = nullptr;
    QPushButton *Command9 = nullptr;

signals:
    // 設定を終了する, once the fields passed their checks and a pending new entry is gone.
    void finished();
    void helpRequested();         // ヘルプ
    void copyTemplateRequested(); // コピー変更

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void fillLog();
    void fillSettingsFields();
    void showColourSample();
    void selectRow(int row);
    void showIdle(const QString &datePlaceholder);
    void discardPendingEntry();
    QDate declarationDateForEntries() const;
    void takeEntries(std::vector<WeightLog::Entry> entries);
    bool finishChecksPass();
    void pickColourInto(std::int32_t &slot);
    void settingsChanged(); // sets settingsDirty

    WeightLog &weights;
    std::int32_t selectedRow = 0;      // the row carrying ">", 0 for none
    bool newRowPending = false;        // a blank row added by 新規 waits for 書込
    std::int32_t lastPickedColour = 0; // where the colour dialog opens: black until a pick
};
