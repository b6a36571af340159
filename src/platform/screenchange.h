// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Screens replace one another in place: the next screen's window frame lands exactly where the
// frame of the screen it replaces stands, whatever the window manager's decorations, and for the
// desktop's double-click interval it ignores mouse clicks, so that the second click of a
// double-click on the old screen does not press whatever stands at that place on the new one.

class QWidget;

// Gives `next` the frame position of `current` and shows it as a replacement (see below). The
// caller hides or closes `current`, which remembers where it stood.
void showInPlaceOf(QWidget *next, QWidget *current);

// Shows a screen that another replaced again where it stood then, as a replacement. A hidden
// window is placed each time it is shown: the window manager may have put it elsewhere when it
// let go of it.
void showWhereItStood(QWidget *screen);

// Shows `next`, already placed, as a screen that has just replaced another: mouse clicks on it are
// ignored for the double-click interval; the keyboard works at once.
void showAsReplacement(QWidget *next);
