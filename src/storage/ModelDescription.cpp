// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ModelDescription.h"

#include "storage/AppConfig.h"
#include "storage/AppPaths.h"
#include "storage/ProductDescription.h"

#include <algorithm>

namespace {

// The pages lay out at most eight stages; a count outside 1 to 8 means all eight.
int usableStageCount(int count)
{
    return count >= 1 && count <= ModelDescription::kMaxDpiStages ? count : ModelDescription::kMaxDpiStages;
}

void readButtons(const ProductDescription& product, ModelDescription& model)
{
    model.buttonCount = std::clamp(product.buttonCount(), 0, int(ModelDescription::kButtonSlots));
    product.buttonSlotTable(model.slotTable);
    qint8 presence[ModelDescription::kButtonSlots] = {};
    const bool known = product.buttonPresence(presence) >= 0;
    for (int n = 0; n < ModelDescription::kButtonSlots; ++n)
        model.buttonShown[n] = known && presence[n] != -1;
}

} // namespace

ModelDescription ModelDescription::read(const AppPaths& paths, const QString& modelName)
{
    ModelDescription model;
    const ProductDescription product(paths.productDescriptionFile());
    AppConfig config(paths);
    model.described = product.exists();
    model.modelName = modelName;
    model.productName = product.productName();
    model.version = product.version();
    model.deviceName = QString::fromLatin1(config.mouseListName());
    readButtons(product, model);
    model.dpiStageCount = usableStageCount(product.dpiStageCount());

    model.sensorType = config.mouseSensor();
    model.syncMode = product.syncMode();
    model.scrollRev = product.scrollRev();
    model.colorMode = product.colorMode();
    model.macrosDisabled = product.disableMacro() != 0;
    model.lightingDisabled = product.ledDisable() != 0;
    model.sleepShown = product.showSleep() != 0;
    product.sleepRange(model.sleepMin, model.sleepMax);
    if (model.sleepMin > model.sleepMax)
        std::swap(model.sleepMin, model.sleepMax);
    model.minDelay = product.minDelay();
    model.extendedDpiRange = product.extendedDpiRange() != 0;
    model.mouseButtonShown = product.showMouseButton() != 0;
    model.frenchLanguage = product.french();
    model.ledVariant = config.mouseLedMode(modelName);
    return model;
}
