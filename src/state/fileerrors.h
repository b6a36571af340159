// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Why a data file or the data folder could not be used, in the user's words: the system's reason
// as a short Japanese phrase, and what the user can do about it.

#include <QString>

struct FileProblem
{
    QString path;
    QString reason;
    QString remedy; // empty when there is nothing particular to suggest
};

// What the program was doing when the system refused.
enum class FileAction
{
    Read,         // opening or reading a data file
    CreateFolder, // creating the data folder
    ListFolder,   // reading the data folder's list of names
};

// The problem for the system's error number `error` (errno) met on `path`.
FileProblem fileProblem(const QString &path, int error, FileAction action);

// A data file's name held by something that is no plain file: a folder, a named pipe, a device.
FileProblem notAPlainFileProblem(const QString &path, bool isFolder);

// A symbolic link in the data file's place whose target does not exist.
FileProblem danglingLinkProblem(const QString &path);
