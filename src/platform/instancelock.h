// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether this copy of the program may run. Two kernel locks (flock) decide: one on a file in the
// session's runtime folder, so that the session runs one copy, and one on the data folder itself,
// so that one folder is used by one copy whatever the session, the user or the spelling of its
// path. Both belong to the process, go with it however it ends, and leave nothing behind that
// could block a later start.

#include <QString>

struct InstanceCheck
{
    enum Answer
    {
        Alone,              // this copy holds both locks (or held them already)
        AnotherCopyRunning, // another copy holds one of them
        FolderUnguarded,    // the data folder cannot be locked: `reason` says why
    };
    Answer answer = Alone;
    QString reason;
};

// Takes the locks for this process, or finds them held. `dataFolder` is the folder of the data
// files; when it is no folder (yet), the folder that holds it is locked in its place. A session
// lock that cannot be taken (no runtime folder) is passed over: the data folder's lock still keeps
// a second copy off the same data.
InstanceCheck takeInstanceLocks(const QString &dataFolder);
