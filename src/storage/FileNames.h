// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Profile, macro and model names become file and folder names. A name is safe
// when it names one file inside its folder on both Windows and Linux: not
// empty, no path separator, not "." or ".." (two dots inside a name are fine), no control or invisible
// formatting character, none of the characters Windows forbids, no trailing dot or blank (Windows drops
// them), no reserved device name, and short enough for any file system.
class FileNames
{
public:
    // Why the name cannot be used, as a message for the user; empty when safe.
    static QString nameError(const QString& name);
    static bool isSafeName(const QString& name) { return nameError(name).isEmpty(); }
    // A safe name made from an unsafe one by replacing what is not allowed;
    // for names the program reads rather than the user types.
    static QString neutralised(const QString& name);
};
