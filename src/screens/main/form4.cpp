// SPDX-License-Identifier: GPL-3.0-or-later
#include "form4.h"

#include "helptext.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QShortcut>

using namespace Qt::Literals::StringLiterals;

Form4::Form4()
{
    setUpDiscardedScreen(this, u"Form4"_s, u" (?_?) - zunoko"_s, 5595, 3300);

    // The background box is made first so that the help text lies over it and comes first in the
    // tab order; it never takes the focus and holds nothing.
    Text2 = new QPlainTextEdit(this);
    Text2->setObjectName(u"Text2"_s);
    placeInTwips(Text2, 0, 0, 5655, 3375);
    Text2->setFont(proportionalGothicFont());
    Text2->setReadOnly(true);
    Text2->setFocusPolicy(Qt::NoFocus);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(u"Text1"_s);
    placeInTwips(Text1, 240, 240, 5295, 2895);
    Text1->setFont(gothicFont(9.75));
    Text1->setReadOnly(true);
    Text1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setPlainText(helpText());
    setFocusProxy(Text1);
    new QShortcut(Qt::Key_Escape, this, this, &QWidget::close);
}

void Form4::closeEvent(QCloseEvent *event)
{
    emit closed();
    event->accept();
}
