// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program settles with Qt around the application object, so that it behaves the same on
// every Linux desktop.

// Before the application object exists: the X11 platform, because the program places its own
// windows, which Wayland compositors do not allow (XWayland does); and, when the session names no
// runtime folder, the private one Qt would fall back to, so that Qt need not warn about it.
void prepareQtEnvironment();

// Whether the X display the program is to show its windows on can be reached. When it cannot (no
// display named, or one that refuses the connection) it says on standard error, in Japanese and in
// English, that a desktop session is needed, so that the user is not left with Qt's own abort.
// Another platform than xcb, asked for in QT_QPA_PLATFORM, is Qt's to check.
bool desktopDisplayReachable();

// Once the application object exists: Qt's own dialogs and menus (the colour dialog, a text box's
// context menu) speak Japanese whatever the user's locale, and Qt keeps no settings file of its
// own: the program writes nothing outside its data folder.
void prepareQtApplication();
