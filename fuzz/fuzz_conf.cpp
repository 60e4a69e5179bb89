// SPDX-License-Identifier: GPL-3.0-or-later
// A configuration exchange file ("*.conf"). Every profile section goes
// through the same reader, so most inputs have one section read, chosen by
// their last byte, at a fifth of the cost of a whole import; one in six is
// imported whole, the set's own keys and names included.
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
    const int choice = size > 0 ? data[size - 1] % (ProfileSet::kProfiles + 1) : 0;
    if (choice == ProfileSet::kProfiles) {
        ProfileSet set;
        file.importConfiguration(set);
    } else {
        ProfileData profile;
        file.readProfileSection(choice, profile);
    }
    return 0;
}
