// SPDX-License-Identifier: GPL-3.0-or-later
// The application configuration file ("Configs/Config.ini") through every
// reader of it, the profile set's keys and the per-model library list
// included. (The profiles that the set names are profile files, fuzzed on
// their own.)
#include "FuzzFiles.h"
#include "storage/AppConfig.h"
#include "storage/ProfileSet.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    initialiseFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzFiles files;
    files.write(QStringLiteral("Configs/Config.ini"), data, size);
    const AppConfig config(files.paths());
    config.profileId();
    config.diff();
    config.colorId();
    config.themeColor();
    config.model();
    config.batteryFull();
    config.battery();
    config.mouseSensor();
    config.mouseLedMode();
    config.mouseListName();
    const QString model = config.currentProductName();
    config.mouseLedMode(model);
    config.profileList(model);
    ProfileSet set;
    config.readSetConfig(set);
    return 0;
}
