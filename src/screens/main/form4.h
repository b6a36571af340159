// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPlainTextEdit;

// Form4: the help screen. Shows the help text until it is closed; the screen that opened it
// (helpReturnTo) then comes back at the help's position.
class Form4 : public QWidget
{
    Q_OBJECT

public:
    Form4();

    QPlainTextEdit *Text1 = nullptr; // the help text
    QPlainTextEdit *Text2 = nullptr; // the empty background behind it

signals:
    // The close box or Esc; emitted while the screen still stands where it was.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
};
