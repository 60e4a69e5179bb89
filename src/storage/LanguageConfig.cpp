// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/LanguageConfig.h"

#include "storage/FileNames.h"
#include "storage/IniFile.h"
#include "storage/IniReader.h"
#include "storage/SettingsValues.h"
#include "storage/SettingsWriter.h"

namespace {

// Larger values cannot be a font size and would only upset the font engine.
constexpr int kMaxPixelSize = 512;

QString fontListKey(const char* name, int n)
{
    return QStringLiteral("FONT_LIST/") + QLatin1String(name) + QString::number(n);
}

bool inTable(int index)
{
    return index >= 0 && index < LanguageTable::kMaxLanguages;
}

} // namespace

LanguageConfig::LanguageConfig(const AppPaths& paths) : m_paths(paths) {}

int LanguageConfig::languageIndex() const
{
    const IniReader file(m_paths.store(), m_paths.langConfigFile());
    return SettingsValues::readInt(file, QStringLiteral("Config/LangID"));
}

StorageResult LanguageConfig::setLanguageIndex(int index)
{
    SettingsWriter writer(m_paths.store(), m_paths.langConfigFile());
    writer.settings().setValue(QStringLiteral("Config/LangID"), index);
    return writer.finish();
}

LanguageTable LanguageConfig::languageTable() const
{
    const IniReader file(m_paths.store(), m_paths.configFile());
    LanguageTable table;
    table.count = qBound(0, SettingsValues::readInt(file, QStringLiteral("FONT_LIST/LANGNUM")),
                         LanguageTable::kMaxLanguages);
    for (int n = 0; n < LanguageTable::kMaxLanguages; ++n) {
        table.names[n] = SettingsValues::readText(file, fontListKey("LangName_", n));
        table.files[n] = SettingsValues::readText(file, fontListKey("LangFile_", n));
    }
    return table;
}

LanguageFont LanguageConfig::font(int languageIndex) const
{
    LanguageFont font;
    if (!inTable(languageIndex))
        return font;
    const IniReader file(m_paths.store(), m_paths.configFile());
    font.family = SettingsValues::readText(file, fontListKey("FONT_", languageIndex));
    const quint32 size = SettingsValues::readUInt(file, fontListKey("FONT_SIZE_", languageIndex));
    font.pixelSize = size <= quint32(kMaxPixelSize) ? int(size) : 0;
    return font;
}

QString LanguageConfig::translationFile(int languageIndex) const
{
    const LanguageTable table = languageTable();
    if (!inTable(languageIndex) || languageIndex >= table.count)
        return QString();
    const QString baseName = table.files[languageIndex];
    if (!FileNames::isSafeName(baseName))
        return QString();
    // A FIFO in place of the file would block the translator's load.
    const QString path = m_paths.translationFile(baseName);
    return IniFile::isBlocked(path) ? QString() : path;
}
