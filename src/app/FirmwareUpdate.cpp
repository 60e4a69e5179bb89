// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FirmwareUpdate.h"

#include "device/DeviceSession.h"
#include "editors/UserPrompts.h"
#include "hid/DeviceLink.h"
#include "platform/ProgramLauncher.h"
#include "storage/LanguageConfig.h"

#include <QCoreApplication>

FirmwareUpdate::FirmwareUpdate(DeviceSession& session, const AppPaths& paths, ProgramLauncher& launcher,
                               UserPrompts& prompts, QObject* parent)
    : QObject(parent), m_session(session), m_paths(paths), m_launcher(launcher), m_prompts(prompts),
      m_exit([](int code) { QCoreApplication::exit(code); })
{
}

QString FirmwareUpdate::updaterPath(const AppPaths& paths, int languageIndex)
{
    return paths.appDir() + (languageIndex == 0 ? QStringLiteral("/skin/mouse/bin/R640-7718-20000101-en.exe")
                                                : QStringLiteral("/skin/mouse/bin/R640-7718-20000101.exe"));
}

// The updater talks to the mouse over its cable only.
bool FirmwareUpdate::cableAttached() const
{
    const QString model = m_session.currentModel();
    for (const DeviceEntry& entry : m_session.link().entries()) {
        if ((model.isEmpty() || entry.name == model) && entry.found[CablePointer])
            return true;
    }
    return false;
}

void FirmwareUpdate::start()
{
    if (!cableAttached()) {
        m_prompts.tell(tr("To update the firmware, please connect to the computer with a cable."));
        return;
    }
    if (!m_prompts.ask(tr("Do you want to upgrade the firmware?")))
        return;
    // The updater opens the mouse itself: it starts once the poll has left.
    m_session.stopPollingThen([this] { launchUpdater(); });
}

void FirmwareUpdate::launchUpdater()
{
    const QString updater = updaterPath(m_paths, LanguageConfig(m_paths).languageIndex());
    if (!m_launcher.startDetached(updater)) {
        // Ending now would leave the user with neither the utility nor the
        // updater.
        m_prompts.tell(tr("The firmware updater %1 could not be started.").arg(updater));
        m_session.startPolling();
        return;
    }
    m_exit(0);
}
