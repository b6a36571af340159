// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ends of the program that do not come through a window: SIGTERM (a logout, a shutdown, kill),
// SIGHUP (the terminal went away), SIGINT (Ctrl+C) and the session manager's request to save
// before the session ends. `handler` runs in the event loop, never inside a signal handler.

#include <functional>

void onEndRequest(std::function<void()> handler);
