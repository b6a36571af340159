// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
struct MainScreenResult;

// Form1: the main screen, with the six result lines, the chick column and the five buttons.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    Form1();

    // The load steps: instance check, header re-read, colours, the dim pictures over the bright.
    void Form_Load();
    // Text and background colour of all twelve Label1 elements from textColour/backColour.
    void applyColours();
    // Shows a refresh's six lines and twelve pictures.
    void showResult(const MainScreenResult &result);

    void Command1_Click(); // コピー
    void Command2_Click(); // ＷＥＢ
    void Command3_Click(); // ●○
    void Command4_Click(); // 入力
    void Command5_Click(); // ヘルプ
    // A click on the chicks, or the menu's 体重グラフ.
    void openWeightChart();

    std::array<QLabel *, 12> Label1{};
    std::array<QLabel *, 12> Image1{};
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;

signals:
    void winLossTableRequested(); // ●○
    void settingsRequested();     // 入力, once settingsDirty is cleared
    void helpRequested();         // ヘルプ
    void weightChartRequested();
    // The window is closing: the receiver makes the exit save and keeps the window open by
    // ignoring `event` (which arrives accepted), through a direct connection.
    void closing(QCloseEvent *event);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override; // clicks on the chicks

private:
    // Shows `text` on the text line Label1(element). Screen readers, which read a label by its
    // name alone, hear what the line shows, then the text: "レベル： アジアゾウ".
    void showLine(int element, const QString &text);
};
