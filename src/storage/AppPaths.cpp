// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/AppPaths.h"

#include "storage/FileNames.h"
#include "storage/FileStore.h"
#include "storage/StorageLog.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString absoluteClean(const QString& dir)
{
    return QDir::cleanPath(QDir(dir).absolutePath());
}

bool holdsModelData(const QString& dir)
{
    return QFileInfo(dir + QStringLiteral("/DefaultProfile.bin")).isFile();
}

} // namespace

AppPaths::AppPaths(const QString& appDir)
    : m_appDir(absoluteClean(appDir)), m_configDir(m_appDir + QStringLiteral("/Configs")),
      m_store(std::make_shared<FileStore>(lockFile()))
{
}

AppPaths::AppPaths(const QString& appDir, const QString& configDir)
    : m_appDir(absoluteClean(appDir)), m_configDir(absoluteClean(configDir)),
      m_store(std::make_shared<FileStore>(lockFile()))
{
}

QString AppPaths::lockFile() const
{
    return m_configDir + QStringLiteral("/.mousecfg.lock");
}

AppPaths AppPaths::forExecutable(const QString& executableDir)
{
    if (holdsModelData(executableDir))
        return AppPaths(executableDir);
    const QString shared = absoluteClean(executableDir + QStringLiteral("/../share/mousecfg"));
    if (holdsModelData(shared))
        return AppPaths(shared, userConfigDir());
    // Nothing found either way: the portable layout, whose missing files
    // read as defaults.
    return AppPaths(executableDir);
}

QString AppPaths::userConfigDir()
{
    // GenericConfigLocation follows XDG_CONFIG_HOME (default ~/.config).
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/mousecfg");
}

QString AppPaths::configDir() const
{
    return m_configDir;
}

QString AppPaths::sampleConfigDir() const
{
    return m_appDir + QStringLiteral("/Configs");
}
QString AppPaths::configFile() const
{
    return configDir() + QStringLiteral("/Config.ini");
}
QString AppPaths::langConfigFile() const
{
    return configDir() + QStringLiteral("/LangConfig.ini");
}
QString AppPaths::productDescriptionFile() const
{
    return m_appDir + QStringLiteral("/DefaultProfile.bin");
}
QString AppPaths::macroDir() const
{
    return configDir() + QStringLiteral("/MacroDB");
}

QString AppPaths::modelDir(const QString& modelName) const
{
    if (modelName.isEmpty())
        return configDir();
    // The model name comes from configuration files; one that is not a single
    // safe folder name must not lead anywhere outside the configuration folder.
    if (!FileNames::isSafeName(modelName)) {
        const QString safe = FileNames::neutralised(modelName);
        qCWarning(lcStorage) << "unsafe model name" << modelName << "used as" << safe;
        return configDir() + QLatin1Char('/') + safe;
    }
    return configDir() + QLatin1Char('/') + modelName;
}

QString AppPaths::modelConfigFile(const QString& modelName) const
{
    return modelDir(modelName) + QStringLiteral("/Config.ini");
}

QString AppPaths::profileDir(const QString& modelName) const
{
    return modelDir(modelName) + QStringLiteral("/Profile");
}

QString AppPaths::skinFile(const QString& name) const
{
    return m_appDir + QStringLiteral("/skin/") + name;
}

QString AppPaths::translationFile(const QString& baseName) const
{
    return m_appDir + QStringLiteral("/lang/") + baseName + QStringLiteral(".qm");
}
