// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Form11: the copy customisation. Edits the copy template (the six line titles, the phrase of the
// day, the line breaks at the end and the sign of the weight change) and saves it to
// customdata.csv; the settings screen comes back when it closes.
class Form11 : public QWidget
{
    Q_OBJECT

public:
    Form11();

    void Command1_Click(); // 保存して終了
    void Command2_Click(); // キャンセル

    QGroupBox *Frame1 = nullptr;
    std::array<QLineEdit *, 6> Text1{}; // the titles of the copied lines, top to bottom
    QGroupBox *Frame2 = nullptr;
    QCheckBox *Check1 = nullptr; // add the phrase of the day
    QGroupBox *Frame3 = nullptr;
    QRadioButton *Option1 = nullptr; // no line break at the end
    QRadioButton *Option2 = nullptr; // one
    QRadioButton *Option3 = nullptr; // two
    QGroupBox *Frame4 = nullptr;
    QCheckBox *Check2 = nullptr; // sign of the weight change
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

signals:
    // The template is in customdata.csv; the main screen is to follow its sign option at once.
    // Emitted before the dialog closes.
    void saved();
    // Either button or the close box.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void loadTemplate();
    void storeTemplate();
};
