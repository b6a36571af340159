#pragma once

// Start-up: loads the data and opens the first window (the first-run wizard, the deadline-passed
// dialog or the main screen).
void startProgram();
