#pragma once

#include "storage/StorageResult.h"

#include <QSettings>
#include <QString>
#include <QVariant>

// One write to an INI file: takes the keys the file holds (IniReader), the
// keys set on it, and on finish() writes them all at once, atomically, and
// says whether the file reached the disk. The text is IniText's, which
// QSettings reads too; what is not a regular file is never opened.
class SettingsWriter
{
public:
    explicit SettingsWriter(const QString& filePath);

    // Keys as QSettings names them: "section/key".
    void setValue(const QString& key, const QVariant& value) { m_keys.insert(key, value); }
    // The writer itself; kept so that callers read as they did with QSettings.
    SettingsWriter& settings() { return *this; }
    StorageResult finish();

private:
    QString m_filePath;
    bool m_notAFile = false; // a folder, FIFO or device stands at the path
    bool m_folderReady = false;
    QSettings::SettingsMap m_keys;
};
