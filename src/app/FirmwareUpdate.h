// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AppPaths.h"

#include <QObject>
#include <functional>

class DeviceSession;
class ProgramLauncher;
class UserPrompts;

// "Firmware Update": with the mouse on its cable and the user's consent, the
// poll stops, the updater for the interface language starts and the utility
// ends with exit code 0 to leave the mouse to it. An updater that cannot be
// started is reported and the utility keeps running.
class FirmwareUpdate : public QObject
{
    Q_OBJECT
public:
    FirmwareUpdate(DeviceSession& session, const AppPaths& paths, ProgramLauncher& launcher,
                   UserPrompts& prompts, QObject* parent = nullptr);

    // The updater below the application directory for a language index.
    static QString updaterPath(const AppPaths& paths, int languageIndex);
    // How the utility ends once the updater runs (tests record it instead).
    void setExit(std::function<void(int)> exit) { m_exit = std::move(exit); }

public Q_SLOTS:
    // On press of the button.
    void start();

private:
    void launchUpdater();
    bool cableAttached() const;

    DeviceSession& m_session;
    AppPaths m_paths;
    ProgramLauncher& m_launcher;
    UserPrompts& m_prompts;
    std::function<void(int)> m_exit;
};
