// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/StorageResult.h"

#include <QSettings>
#include <QString>
#include <QVariant>

#include <memory>

class FileStore;

// One write to an INI file: on finish() the keys set on the writer go over
// the keys the file holds then, and the file is written whole, atomically,
// through its file store (at once, or by the store's writer; see FileStore).
// The text is IniText's, which QSettings reads too. A file the reader
// refuses (larger than any of ours, say) is replaced rather than merged.
class SettingsWriter
{
public:
    // A file the program keeps.
    SettingsWriter(FileStore& store, const QString& filePath);
    // A file of the user's choosing: written at once.
    explicit SettingsWriter(const QString& filePath);
    ~SettingsWriter();

    // Keys as QSettings names them: "section/key".
    void setValue(const QString& key, const QVariant& value) { m_keys.insert(key, value); }
    // The writer itself; kept so that callers read as they did with QSettings.
    SettingsWriter& settings() { return *this; }
    // The keys set become the whole file: nothing it held before stays.
    void setReplacing(bool replacing) { m_replacing = replacing; }
    StorageResult finish();

private:
    std::unique_ptr<FileStore> m_own;
    FileStore& m_store;
    QString m_filePath;
    QSettings::SettingsMap m_keys;
    bool m_replacing = false;
};
