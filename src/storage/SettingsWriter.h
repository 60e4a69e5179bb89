#pragma once

#include "storage/StorageResult.h"

#include <QSettings>
#include <QString>

#include <memory>

// One write to an INI file: makes sure the folder exists, hands out the
// settings object to set keys on, and on finish() flushes the file and says
// whether it reached the disk. QSettings alone would drop a failed write
// without notice. The file is written in the program's own INI format
// (IniFile); what is not a regular file is never opened.
class SettingsWriter
{
public:
    explicit SettingsWriter(const QString& filePath);
    ~SettingsWriter();

    QSettings& settings() { return *m_settings; }
    StorageResult finish();

private:
    QString m_filePath;
    bool m_notAFile = false; // a folder, FIFO or device stands at the path
    bool m_folderReady = false;
    std::unique_ptr<QSettings> m_settings;
};
