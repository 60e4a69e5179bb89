// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramLauncher.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcLauncher, "mousecfg.launcher")

namespace {

// The mouse settings of the desktops we know, in the order they are tried.
struct SettingsPanel
{
    const char* program;
    QStringList arguments;
};

const SettingsPanel kMousePanels[] = {
    {"gnome-control-center", {QStringLiteral("mouse")}},
    {"systemsettings", {QStringLiteral("kcm_mouse")}},
    {"systemsettings5", {QStringLiteral("kcm_mouse")}},
};

class LinuxProgramLauncher : public ProgramLauncher
{
public:
    bool startDetached(const QString& program, const QStringList& arguments) override
    {
        const QFileInfo file(program);
        if (program.contains(QLatin1Char('/')) && (!file.isFile() || !file.isExecutable())) {
            qCWarning(lcLauncher).noquote() << "cannot start" << program << "(missing or not executable)";
            return false;
        }
        if (!QProcess::startDetached(program, arguments)) {
            qCWarning(lcLauncher).noquote() << "cannot start" << program;
            return false;
        }
        return true;
    }

    bool openMouseSettings() override
    {
        for (const SettingsPanel& panel : kMousePanels) {
            const QString path = QStandardPaths::findExecutable(QLatin1String(panel.program));
            if (!path.isEmpty())
                return startDetached(path, panel.arguments);
        }
        qCDebug(lcLauncher) << "no desktop mouse settings found";
        return false;
    }
};

} // namespace

std::unique_ptr<ProgramLauncher> createProgramLauncher()
{
    return std::make_unique<LinuxProgramLauncher>();
}
