// A configuration exchange file ("*.conf"): the import of a whole
// configuration with its five profile sections.
#include "FuzzFiles.h"
#include "storage/ConfigurationFile.h"
#include "storage/ProfileSet.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    initialiseFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzFiles files;
    const ConfigurationFile file(files.write(QStringLiteral("Fuzz.conf"), data, size));
    ProfileSet set;
    file.importConfiguration(set);
    ProfileData profile;
    file.readProfileSection(0, profile);
    return 0;
}
