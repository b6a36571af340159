// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Driving the settings screen in tests: a yourdata.csv to load it from, and its controls found by
// their object names and worked as the user would, with the mouse and the keyboard.

#include "screens/navigator.h"
#include "screens/settings/form2.h"
#include "state/dateserial.h"
#include "state/state.h"
#include "state/weightlog.h"
#include "support/tolmitest.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

// Texts as readable UTF-8 in failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// The nine settings lines of a declared diet, as the fields of the file hold them.
struct StoredDiet
{
    int sex = 0;
    QByteArray startWeight = "80";
    QByteArray targetWeight = "60";
    QByteArray height = "170";
    int levelMode = 0;
    int textColour = 15724527;
    int backColour = 8404992;
    QByteArray webAddress = "www.example.jp";
    QByteArray declared = "#2008-09-12#";
    int deadlineDays = 0;

    // The file: the nine lines, then one line per log entry ("#2008-10-01#,78").
    QByteArray bytes(const QList<QByteArray> &log) const
    {
        QByteArray out;
        const auto line = [&out](const QByteArray &a, const QByteArray &b) {
            out += a + ',' + b + "\r\n";
        };
        line("1", startWeight);
        line(QByteArray::number(sex), targetWeight);
        line("0", height);
        line(QByteArray::number(levelMode), "100");
        line("1500", "100");
        line("3000", '"' + webAddress + '"');
        line(QByteArray::number(textColour), "\"URL2\"");
        line(QByteArray::number(backColour), declared);
        line(QByteArray::number(deadlineDays), "#2008-01-02#");
        for (const QByteArray &entry : log)
            out += entry + "\r\n";
        return out;
    }
};

class Form2Test : public TolmiTest
{
protected:
    // Loads the settings screen from `diet` and `log` and opens it as the main screen's input
    // button does: settingsDirty cleared, the screen shown.
    Form2 &open(const StoredDiet &diet, const QList<QByteArray> &log)
    {
        writeData(QStringLiteral("yourdata.csv"), diet.bytes(log));
        Form2 &screen = form2();
        settingsDirty = 0;
        screen.show();
        return screen;
    }

    template <typename Control> Control *control(const char *name) const
    {
        auto *found = form2().findChild<Control *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit *box(const char *name) const { return control<QLineEdit>(name); }
    QString text(const char *name) const { return box(name)->text(); }
    WeightLog &table() const { return weightLog(); }

    void press(const char *button) const
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    void clickControl(const char *name) const
    {
        auto *widget = form2().findChild<QAbstractButton *>(QString::fromLatin1(name));
        ASSERT_NE(widget, nullptr) << name;
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, widget->height() / 2));
    }
    // Replaces the text of a box by typing, as the user would after selecting all of it.
    void type(const char *name, const QString &typed) const
    {
        QLineEdit *edit = box(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        for (QChar c : typed) {
            if (c.unicode() < 0x80)
                QTest::keyClick(edit, c.toLatin1());
            else // full-width and other text the key tables do not know
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), {});
        }
    }
    // Whether `name` is the control that has (or gets, when the window is active) the focus.
    bool focused(const char *name) const { return form2().focusWidget() == box(name); }
    // A click into the weight table on the date cell of `row` (0 for the heading).
    void clickRow(int row) const
    {
        auto *view = control<QTableView>("MSFlexGrid1");
        if (row == 0) {
            QHeaderView *header = view->horizontalHeader();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(1) + 5, 5));
            return;
        }
        const QModelIndex cell = view->model()->index(row - 1, 1);
        view->scrollTo(cell);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
    }
    // The rows as "date weight" texts, row 1 first, with ">" before the marked one.
    QStringList rows() const
    {
        QStringList out;
        for (int row = 1; row <= table().entryCount(); ++row) {
            const QString mark = table().data(table().index(row - 1, 0)).toString();
            out << mark + table().dateText(row) + u' ' + table().weightText(row);
        }
        return out;
    }
    bool editBoxesEnabled() const { return box("Text1")->isEnabled() && box("Text2")->isEnabled(); }

    // The top-level screen of that name that is showing, if any.
    static QWidget *visibleScreen(const QString &name)
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == name && window->isVisible())
                return window;
        }
        return nullptr;
    }
};
