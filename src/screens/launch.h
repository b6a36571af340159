// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Start-up: loads the data and opens the first window (the first-run wizard, the deadline-passed
// dialog or the main screen).
void startProgram();

// An end asked for without the close box (a logout, kill, Ctrl+C): while the main screen shows,
// it ends as its close box would, with the exit save; while another screen shows, the program
// ends and writes nothing the user has not confirmed.
void endOnRequest();
