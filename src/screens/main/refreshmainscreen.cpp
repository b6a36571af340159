// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/mainscreen.h"
#include "form1.h"
#include "platform/platform.h"
#include "screens/screens.h"

#include <QLabel>

void RefreshMainScreen()
{
    const MainScreenResult result = computeMainScreen(platform().now().date(), platform().rnd);
    Form1 &screen = form1();
    screen.Label1[0]->setText(result.levelLine);
    screen.Label1[1]->setText(result.currentLine);
    screen.Label1[2]->setText(result.startLine);
    screen.Label1[3]->setText(result.targetLine);
    screen.Label1[4]->setText(result.phraseLine);
    screen.Label1[11]->setText(result.changeLine);
    for (int i = 0; i < 12; ++i)
        screen.Image1[i]->setVisible(result.pictureVisible[i]);
}
