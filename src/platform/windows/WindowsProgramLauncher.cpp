// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramLauncher.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>

Q_LOGGING_CATEGORY(lcLauncher, "mousecfg.launcher")

namespace {

class WindowsProgramLauncher : public ProgramLauncher
{
public:
    bool startDetached(const QString& program, const QStringList& arguments) override
    {
        if (!QFileInfo(program).isFile() || !QProcess::startDetached(program, arguments)) {
            qCWarning(lcLauncher).noquote() << "cannot start" << program;
            return false;
        }
        return true;
    }

    // The mouse control panel.
    bool openMouseSettings() override
    {
        return QProcess::startDetached(QStringLiteral("control"), {QStringLiteral("main.cpl")});
    }
};

} // namespace

std::unique_ptr<ProgramLauncher> createProgramLauncher()
{
    return std::make_unique<WindowsProgramLauncher>();
}
