// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Builders for the controls of the screens: each is created on its parent at a position in twips,
// with its object name set to the identifier the screens use ("Command6", "Label1(3)").

#include <QKeySequence>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

struct TwipsRect
{
    int left;
    int top;
    int width;
    int height;
};

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, TwipsRect at);
// A label given only its left and top: it takes the size of its text.
QLabel *makeLabelAt(QWidget *parent, const QString &name, const QString &text, int left, int top);
// Return and keypad Enter press the button while it has the focus, as Space does, in any window.
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, TwipsRect at);
// `key` presses `button` while the button's window is active and the button can be pressed.
void pressOnKey(QPushButton *button, const QKeySequence &key);
// Shift+F10 on `widget`, or on a control inside it that leaves the key alone, opens the widget's
// context menu at the focused control, as the Menu key does.
void openMenuOnShiftF10(QWidget *widget);
QLineEdit *makeTextBox(QWidget *parent, const QString &name, TwipsRect at, int maxLength,
                       bool centred);
// A centred box for a number or a date: it asks the input method for numbers, without switching
// the input method off.
QLineEdit *makeNumberBox(QWidget *parent, const QString &name, TwipsRect at, int maxLength);
// Puts a text the program holds into a box made by makeTextBox, whole: the box's typing limit
// limits what the user types, never what the program puts in. A longer text is shown and saved as
// it is, and the user may type until the box holds that many characters again.
void setBoxText(QLineEdit *box, const QString &text);
QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &caption, TwipsRect at);
QCheckBox *makeCheckBox(QWidget *parent, const QString &name, const QString &caption, TwipsRect at);
QRadioButton *makeOption(QWidget *parent, const QString &name, const QString &caption,
                         TwipsRect at);

// Sets up a screen that is created when opened and deleted when closed: its object name, title,
// the window font and its fixed client size in twips.
void setUpDiscardedScreen(QWidget *screen, const QString &name, const QString &title,
                          int widthTwips, int heightTwips);

// "Label1(3)": the object name of an element of a control array.
QString elementName(const QString &array, int index);
