// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class FileStore;

// Resolves every base path of the application. All file paths are built from
// one of these; nothing else looks at the executable's location.
//
//   application directory   DefaultProfile.bin, skin/, lang/ (read-only data)
//   configuration directory Config.ini, LangConfig.ini, Profile/, MacroDB/
//   model folder            per-model Config.ini and Profile/
//
// Two layouts exist. Portable: the configuration directory is "Configs"
// beside the data, as in the build folder or an unpacked archive. Installed:
// the data lies in the installation's share/mousecfg/ and the configuration
// directory is the user's XDG configuration folder, seeded from the sample
// configuration that ships with the data (see ConfigSeeding).
class AppPaths
{
public:
    // The portable layout rooted at appDir.
    explicit AppPaths(const QString& appDir);
    // Data and configuration in separate places.
    AppPaths(const QString& appDir, const QString& configDir);

    // The layout for an executable in executableDir: portable when the model
    // data lies beside it, installed when it lies in ../share/mousecfg/
    // (the executable in bin/), portable otherwise.
    static AppPaths forExecutable(const QString& executableDir);
    // The installed layout's configuration directory: $XDG_CONFIG_HOME/mousecfg.
    static QString userConfigDir();

    bool isPortable() const { return m_configDir == sampleConfigDir(); }
    QString appDir() const { return m_appDir; }
    QString configDir() const;
    // The sample configuration shipped with the data; the configuration
    // directory itself in the portable layout.
    QString sampleConfigDir() const;
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

    // The store of every file below the configuration directory, shared by
    // the copies of these paths (the window, its worker threads, its pages).
    FileStore& store() const { return *m_store; }
    // The lock the processes working on this configuration share.
    QString lockFile() const;

private:
    QString m_appDir;
    QString m_configDir;
    std::shared_ptr<FileStore> m_store;
};
