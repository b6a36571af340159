// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two screens that live for the whole run, loaded on first reference as their load steps
// require, and discarded when the program ends.

class Form1;
class Form2;

// The main screen, loaded (hidden) on first reference.
Form1 &form1();
bool form1Loaded();
// The settings screen with the weight log, loaded (hidden) on first reference.
Form2 &form2();
bool form2Loaded();
void unloadForm2();

// Deletes every screen (for tests, which start each case afresh).
void unloadAllScreens();
