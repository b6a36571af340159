// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPlainTextEdit;

// Form4: the help screen. Shows the help text and, when closed, brings back the screen that
// opened it (helpReturnTo) at the help's position.
class Form4 : public QWidget
{
    Q_OBJECT

public:
    Form4();

    QPlainTextEdit *Text1 = nullptr; // the help text
    QPlainTextEdit *Text2 = nullptr; // the empty background behind it

protected:
    void closeEvent(QCloseEvent *event) override;
};
