// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/StorageResult.h"

#include <QSettings>
#include <QString>
#include <QVariant>

// One write to an INI file: on finish() takes the keys the file holds then
// (IniReader) with the keys set on the writer over them, writes them all at
// once, atomically, and says whether the file reached the disk. Reading and
// writing happen under one lock for the whole program, so two threads saving
// the same file (the apply worker and the window) never undo each other's
// keys. The text is IniText's, which QSettings reads too; what is not a
// regular file is never opened.
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
