// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A folder for this user's local sockets that no other user may enter, so
// that nobody else can listen on a socket name in it or reach one there.
struct PrivateRuntimeDir
{
    QString path;  // empty when no such folder could be had
    QString error; // why, when path is empty

    bool isUsable() const { return !path.isEmpty(); }

    // runtimeDir ($XDG_RUNTIME_DIR, may be empty) when it is a folder of this
    // user that others may not enter; otherwise the folder mousecfg-<uid> in
    // tempDir, made with mode 0700 when it is missing and refused when it is
    // not a folder (a link included), not this user's, or not of mode 0700.
    static PrivateRuntimeDir locate(const QString& runtimeDir, const QString& tempDir);
    // The same from this process's environment.
    static PrivateRuntimeDir forThisUser();
};
