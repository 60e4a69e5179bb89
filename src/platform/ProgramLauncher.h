// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// Starts other programs: the companions and the system's settings.
class ProgramLauncher
{
public:
    virtual ~ProgramLauncher() = default;

    // Starts the program detached; false (with the reason logged) when it is
    // missing, not executable or could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments = {}) = 0;
    // Opens the desktop's mouse settings; false when this desktop has none
    // the launcher knows.
    virtual bool openMouseSettings() = 0;
};

// This system's launcher.
std::unique_ptr<ProgramLauncher> createProgramLauncher();
