// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AppPaths.h"
#include "storage/StorageResult.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>

struct ProfileSet;

// The application configuration "Config.ini" and the per-model "Config.ini".
// Every accessor opens the file anew, so the file is never cached; reads give
// the defaults for missing files and keys, writes report whether they reached
// the disk.
class AppConfig
{
public:
    static constexpr int kThemeColours = 7;
    static constexpr int kDefaultBatteryFull = 4200;

    explicit AppConfig(const AppPaths& paths);

    QString filePath() const { return m_paths.configFile(); }

    int profileId() const;
    StorageResult setProfileId(int profileId);
    // The slot assignment: ProfileID, Count and the five slot names together.
    StorageResult writeProfileAssignment(const ProfileSet& set);

    // The profile-set keys of "Config": the current profile (0 to 4), the
    // eight shared sensor bytes and the five slot names.
    void readSetConfig(ProfileSet& set) const;
    StorageResult writeSetConfig(const ProfileSet& set);

    int diff() const;
    StorageResult setDiff(int diff);

    // The model attached now; empty while no mouse is attached.
    QString currentProductName() const;
    // Also remembers a non-empty name as the last model seen.
    StorageResult setCurrentProductName(const QString& name);
    // The model whose profiles the program edits and sends: the model
    // attached now, else the last model seen, else the model the program
    // looks for. It does not change when the mouse is unplugged, so a start
    // without the mouse works on the same profile folder as one with it.
    QString profileModelName() const;

    int colorId() const;
    // The theme colour; an index outside the table is clamped to it.
    QColor themeColor() const;
    static QColor themeColorAt(int index);

    QString model() const;
    int batteryFull() const;
    int battery() const;
    StorageResult setBattery(int percent);

    int mouseSensor() const;
    // The lighting variant of the current product.
    int mouseLedMode() const;
    int mouseLedMode(const QString& modelName) const;
    // The model name device discovery looks for, as Latin-1 text.
    QByteArray mouseListName() const;

    // The per-model library list of profile names, in library order.
    QStringList profileList(const QString& modelName) const;
    StorageResult writeProfileList(const QString& modelName, const QStringList& names);

private:
    QString readText(const char* key) const;
    int readInt(const char* key, int defaultValue = 0) const;
    StorageResult writeValue(const char* key, const QVariant& value);

    AppPaths m_paths;
};
