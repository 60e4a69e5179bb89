// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AppPaths.h"
#include "storage/StorageResult.h"

#include <QString>

// The language table of Config.ini: up to ten languages with display name
// and translation file base name.
struct LanguageTable
{
    static constexpr int kMaxLanguages = 10;

    int count = 0; // "FONT_LIST/LANGNUM", held within 0 to 10
    QString names[kMaxLanguages];
    QString files[kMaxLanguages];
};

// Font family and pixel size to use with one language; size 0 when none is
// given (or the stored size is not a usable pixel size).
struct LanguageFont
{
    QString family;
    int pixelSize = 0;
};

// The chosen interface language ("Config/LangID" in LangConfig.ini) and the
// language and font tables of Config.ini. The current index itself is kept
// by the caller, who passes it in.
class LanguageConfig
{
public:
    explicit LanguageConfig(const AppPaths& paths);

    int languageIndex() const;
    StorageResult setLanguageIndex(int index);

    LanguageTable languageTable() const;
    LanguageFont font(int languageIndex) const;

    // The translation file of the language, or empty when the index selects
    // no table entry (or the entry is not a safe file name): no translation.
    QString translationFile(int languageIndex) const;

private:
    AppPaths m_paths;
};
