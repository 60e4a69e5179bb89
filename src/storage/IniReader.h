// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

// The keys of one INI file, for reading: parsed by IniText when constructed,
// with no QSettings behind it, so no stored value ever reaches Qt's variant
// decoding and no settings object's cache of the same file (one that has
// just written it, say) stands in for what the file holds. A file that is
// missing or not a regular file (IniFile::isReadable) has no keys.
class IniReader
{
public:
    explicit IniReader(const QString& path);

    // Keys as QSettings names them: "section/key", [General] at the top.
    QVariant value(const QString& key) const { return m_keys.value(key); }
    bool contains(const QString& key) const { return m_keys.contains(key); }
    const QSettings::SettingsMap& keys() const { return m_keys; }

private:
    QSettings::SettingsMap m_keys;
};
