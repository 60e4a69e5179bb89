#include "storage/AppPaths.h"

#include "storage/FileNames.h"
#include "storage/StorageLog.h"

#include <QDir>

AppPaths::AppPaths(const QString& appDir) : m_appDir(QDir::cleanPath(QDir(appDir).absolutePath())) {}

QString AppPaths::configDir() const
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
