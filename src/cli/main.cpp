// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "cli/Console.h"
#include "device/LogVerbosity.h"
#include "platform/EarlyCommandLine.h"
#include "sim/VirtualMouse.h"
#include "storage/AppPaths.h"
#include "storage/ConfigSeeding.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

int run(const CliOptions& options)
{
    const AppPaths paths = options.appDir.isEmpty()
                               ? AppPaths::forExecutable(QCoreApplication::applicationDirPath())
                               : AppPaths(QDir(options.appDir).absolutePath());
    if (!options.appDir.isEmpty() && !QFileInfo(options.appDir).isDir()) {
        const bool exists = QFileInfo::exists(options.appDir);
        Console::error((exists ? QStringLiteral("not a folder: %1") : QStringLiteral("no such folder: %1"))
                           .arg(options.appDir));
        return CliCommands::ExitNoInput;
    }
    const StorageResult seeded = ConfigSeeding::seedIfFirstStart(paths);
    if (!seeded.isOk())
        Console::error(seeded.errorMessage());
    CliSession session(options, paths, [](const QByteArray& line) { Console::raw(line + '\n'); });
    int status = CliCommands::ExitUsage;
    if (options.command == QLatin1String("devices"))
        status = CliCommands::devices(session, options);
    else if (options.command == QLatin1String("status"))
        status = CliCommands::status(session, options);
    else if (options.command == QLatin1String("apply"))
        status = CliCommands::apply(session, options);
    else if (options.command == QLatin1String("select-profile"))
        status = CliCommands::selectProfile(session, options);
    else if (options.command == QLatin1String("show"))
        status = CliCommands::show(session, options);
    if (options.dumpDevice && session.virtualMouse())
        Console::raw(session.virtualMouse()->stateJson());
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const CliOptions options = CliOptions::parse(app.arguments().mid(1));
    LogVerbosity::apply(options.verbose);
    if (options.help) {
        Console::raw(CliOptions::usage().toUtf8());
        return CliCommands::ExitOk;
    }
    if (options.version) {
        Console::raw(versionText(QStringLiteral("mousecfgctl")).toUtf8());
        return CliCommands::ExitOk;
    }
    if (!options.error.isEmpty()) {
        Console::error(options.error + QStringLiteral(" (see --help)"));
        return CliCommands::ExitUsage;
    }
    return run(options);
}
