// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The weight table's way in and out. Weighings come in from the clipboard (what a spreadsheet
// copies) or from a file (CSV, TSV or text in UTF-8, UTF-16 or Shift_JIS, another program's
// export), by the rules of the log editor's write; the log goes out to a file for spreadsheets, or
// to the clipboard tab-separated. Ctrl+V and Ctrl+C on the table, and the table's menu (a right
// click, the Menu key or Shift+F10): 貼り付け, コピー, ファイルから読み込む…, ファイルに書き出す….
// Nothing is saved here: the weighings taken wait in the log for the settings save.

#include "state/weightlog.h"

#include <QDate>
#include <QObject>
#include <QStringView>
#include <functional>
#include <vector>

class QMenu;
class QPoint;
class QTableView;

class LogTransfer : public QObject
{
    Q_OBJECT

public:
    // `declarationDate` gives the day the weighings must come after. `take` puts the weighings
    // taken (at least one, in text order) into the log as the editor's write does, sorted.
    LogTransfer(QTableView *table, WeightLog &log, std::function<QDate()> declarationDate,
                std::function<void(std::vector<WeightLog::Entry>)> take);

    void paste();
    void copy() const;
    void importFile();
    void exportFile();

    // The table's menu; it pops up without holding the caller.
    QMenu *menu() const { return tableMenu; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMenu(const QPoint &inTable);
    void takeText(QStringView text);

    QTableView *table;
    WeightLog &log;
    std::function<QDate()> declarationDate;
    std::function<void(std::vector<WeightLog::Entry>)> take;
    QMenu *tableMenu;
};
