// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The help screen's text, with CR LF line breaks. The level lists of the kitten, puppy, soldier
// and cosmo modes come from the level name tables, so the help always names the levels the main
// screen shows.
QString helpText();
