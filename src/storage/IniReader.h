// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

class FileStore;

// The keys of one INI file, for reading: parsed by IniText when constructed,
// with no QSettings behind it, so no stored value ever reaches Qt's variant
// decoding and no settings object's cache of the same file (one that has
// just written it, say) stands in for what the file holds. A file that is
// missing, not a regular file, a link, or beyond FileLimits has no keys;
// error() says why for the last three.
class IniReader
{
public:
    // A file the program keeps: as the store sees it, its pending writes
    // included.
    IniReader(FileStore& store, const QString& path);
    // Any other file (read-only data, a file the user chose).
    explicit IniReader(const QString& path);

    // Keys as QSettings names them: "section/key", [General] at the top.
    QVariant value(const QString& key) const { return m_keys.value(key); }
    bool contains(const QString& key) const { return m_keys.contains(key); }
    const QSettings::SettingsMap& keys() const { return m_keys; }
    QString error() const { return m_error; }

private:
    void parse(const QByteArray& text, const QString& path);

    QSettings::SettingsMap m_keys;
    QString m_error;
};
