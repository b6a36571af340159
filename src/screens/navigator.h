// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one place that changes screens. A screen says through its signals what happened (the user
// asked for the win/loss table, the settings are finished, back); the navigator decides which
// screen comes next and puts it in the last one's place: the opened screen takes the opener's top
// and left and is shown, the opener hides, and closing a screen brings its opener back at the
// closing screen's position. It also carries what one screen's flow does to another (a save
// recolours and refreshes the main screen, the deadline-passed dialog unticks the settings
// screen's deadline), so that no screen knows another.
//
// The main screen and the settings screen live from their first reference until the program
// ends; every other screen is created when it is opened and deleted when it closes.

class Form1;
class Form2;

// The main screen, loaded (hidden) on first reference.
Form1 &form1();
bool form1Loaded();
// The settings screen, loaded (hidden) on first reference; its loader fills the weight log.
Form2 &form2();
bool form2Loaded();

// Start-up's first window, once the data files are loaded: the first-run wizard's first page when
// no diet is declared; otherwise the main and settings screens are loaded hidden and the
// deadline-passed dialog or the refreshed main screen is shown at the saved position.
void openFirstScreen();

// Recomputes the main screen's six lines and pictures from the state and shows them on Form1
// (loading it, hidden, if it is not loaded yet).
void RefreshMainScreen();

// An end asked for without the close box (a logout, kill, Ctrl+C): while the main screen shows,
// it ends as its close box would, with the exit save; while another screen shows, the program
// ends and writes nothing the user has not confirmed.
void endOnRequest();

// Deletes the main and settings screens, which live for the whole run (for tests, which start
// each case afresh); every other screen deletes itself when it closes.
void unloadAllScreens();
