// SPDX-License-Identifier: GPL-3.0-or-later
// A macro file ("*.MSMACRO"): the record, its events, and the slot image the
// download builds from them.
#include "FuzzFiles.h"
#include "protocol/MacroImage.h"
#include "storage/MacroFiles.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    initialiseFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzFiles files;
    files.write(QStringLiteral("Configs/MacroDB/Fuzz.MSMACRO"), data, size);
    const MacroFiles macros(files.paths());
    macros.load(QStringLiteral("Fuzz"));
    MacroImage::slotImage(macros.readEvents(QStringLiteral("Fuzz")));
    return 0;
}
