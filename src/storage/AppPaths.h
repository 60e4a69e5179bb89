#pragma once

#include <QString>

// Resolves every base path of the application. All file paths are built from
// one of these; nothing else looks at the executable's location.
//
//   application directory   DefaultProfile.bin, skin/, lang/
//   configuration directory Config.ini, LangConfig.ini, Profile/, MacroDB/
//   model folder            per-model Config.ini and Profile/
class AppPaths
{
public:
    explicit AppPaths(const QString& appDir);

    QString appDir() const { return m_appDir; }
    QString configDir() const;
    QString configFile() const;
    QString langConfigFile() const;
    QString productDescriptionFile() const;
    QString macroDir() const;

    // The folder of the named model; the configuration directory itself when
    // the name is empty. A name that is not one safe folder name (a path
    // separator, "..", and the like) is neutralised, so the folder always lies
    // directly inside the configuration directory.
    QString modelDir(const QString& modelName) const;
    QString modelConfigFile(const QString& modelName) const;
    // Every profile file of a model lives here, the default profile's included.
    QString profileDir(const QString& modelName) const;

    // A file of the skin, e.g. skinFile("cfgMainback.png").
    QString skinFile(const QString& name) const;
    QString translationFile(const QString& baseName) const;

private:
    QString m_appDir;
};
