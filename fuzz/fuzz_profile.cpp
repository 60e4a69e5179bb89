// SPDX-License-Identifier: GPL-3.0-or-later
// A profile file ("*.prof"): the profile record and the product marker.
#include "FuzzFiles.h"
#include "storage/ProfileData.h"
#include "storage/ProfileFiles.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    initialiseFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzFiles files;
    const QString path = files.write(QStringLiteral("Configs/Profile/Fuzz.prof"), data, size);
    ProfileData profile;
    ProfileFiles::loadProfile(profile, path);
    ProfileFiles::readProductMarker(path);
    return 0;
}
