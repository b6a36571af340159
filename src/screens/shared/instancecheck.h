// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The single-instance check made while the first window loads: when another copy of the program
// is running in this session or on the same data folder, or the data folder cannot be guarded
// against one, says so and ends this process at once. By then start-up has created the data
// folder and written default files in place of missing or damaged ones, but a refused copy writes
// nothing more: no save of its own, no removal of leftovers. Returns true when this copy was
// refused (so the caller stops loading; in tests the process goes on).
bool refuseSecondInstance();
