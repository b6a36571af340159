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
    screen.showLine(0, result.levelLine);
    screen.showLine(1, result.currentLine);
    screen.showLine(2, result.startLine);
    screen.showLine(3, result.targetLine);
    screen.showLine(4, result.phraseLine);
    screen.showLine(11, result.changeLine);
    for (int i = 0; i < 12; ++i)
        screen.Image1[i]->setVisible(result.pictureVisible[i]);
}
