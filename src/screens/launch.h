// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Start-up: loads the data and opens the first window (the first-run wizard, the deadline-passed
// dialog or the main screen).
void startProgram();
