// SPDX-License-Identifier: GPL-3.0-or-later
// The product description file ("DefaultProfile.bin"), read as the model's
// description and by every accessor the pages use.
#include "FuzzFiles.h"
#include "storage/ModelDescription.h"
#include "storage/ProductDescription.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    initialiseFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzFiles files;
    const ProductDescription product(files.write(QStringLiteral("DefaultProfile.bin"), data, size));
    product.productName();
    product.version();
    product.buttonCount();
    product.dpiStageCount();
    quint8 slots[16];
    product.buttonSlotTable(slots);
    qint8 presence[16];
    product.buttonPresence(presence);
    int low = 0, high = 0;
    product.sleepRange(low, high);
    int vid1 = 0, pid1 = 0, vid2 = 0, pid2 = 0;
    product.identifiers(vid1, pid1, vid2, pid2);
    quint8 sensor[7];
    product.factorySensorSettings(sensor);
    FactoryProfile factory;
    product.factoryProfile(factory);
    ModelDescription::read(files.paths(), QString());
    return 0;
}
