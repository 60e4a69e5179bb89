// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SettingsWriter.h"

#include "storage/FileStore.h"
#include "storage/IniText.h"

SettingsWriter::SettingsWriter(FileStore& store, const QString& filePath)
    : m_store(store), m_filePath(filePath)
{
}

SettingsWriter::SettingsWriter(const QString& filePath)
    : m_own(std::make_unique<FileStore>()), m_store(*m_own), m_filePath(filePath)
{
}

SettingsWriter::~SettingsWriter() = default;

StorageResult SettingsWriter::finish()
{
    // What the file holds stays, except values of types our files do not
    // hold, which the reader drops.
    const QSettings::SettingsMap changes = m_keys;
    const bool replacing = m_replacing;
    const FileStore::Edit edit = [changes, replacing](const QByteArray& current) {
        QSettings::SettingsMap keys;
        if (!replacing)
            IniText::parse(current, keys);
        for (auto it = changes.cbegin(); it != changes.cend(); ++it)
            keys.insert(it.key(), it.value());
        return IniText::serialise(keys);
    };
    if (replacing)
        return m_store.edit(m_filePath, edit);
    // The same keys set again (the battery level, say) set nothing else:
    // the later values may take the earlier's place while both wait.
    return m_store.set(m_filePath, QStringList(changes.keys()).join(QLatin1Char('\n')), edit);
}
