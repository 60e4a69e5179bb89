// SPDX-License-Identifier: GPL-3.0-or-later
// The language configuration: "LangConfig.ini" with the chosen language and
// the language table ("FONT_LIST") of "Config.ini". The input is written to
// both files, so one input reaches every reader.
#include "FuzzFiles.h"
#include "storage/LanguageConfig.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    initialiseFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzFiles files;
    files.write(QStringLiteral("Configs/LangConfig.ini"), data, size);
    files.write(QStringLiteral("Configs/Config.ini"), data, size);
    const LanguageConfig languages(files.paths());
    const int chosen = languages.languageIndex();
    const LanguageTable table = languages.languageTable();
    for (int i = -1; i <= table.count; ++i) {
        languages.font(i);
        languages.translationFile(i);
    }
    languages.font(chosen);
    languages.translationFile(chosen);
    return 0;
}
