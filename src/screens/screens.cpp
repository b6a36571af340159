// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens.h"

#include "main/form1.h"
#include "settings/form2.h"

namespace {
Form1 *mainScreen = nullptr;
Form2 *settingsScreen = nullptr;
} // namespace

Form1 &form1()
{
    if (!mainScreen) {
        mainScreen = new Form1;
        QObject::connect(mainScreen, &QObject::destroyed, [] { mainScreen = nullptr; });
        mainScreen->Form_Load();
    }
    return *mainScreen;
}

bool form1Loaded()
{
    return mainScreen != nullptr;
}

Form2 &form2()
{
    if (!settingsScreen) {
        settingsScreen = new Form2;
        QObject::connect(settingsScreen, &QObject::destroyed, [] { settingsScreen = nullptr; });
        settingsScreen->Form_Load();
    }
    return *settingsScreen;
}

bool form2Loaded()
{
    return settingsScreen != nullptr;
}

void unloadForm2()
{
    delete settingsScreen;
}

void unloadAllScreens()
{
    unloadForm2();
    delete mainScreen;
}
