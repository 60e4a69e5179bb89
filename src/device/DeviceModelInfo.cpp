#include "device/DeviceModelInfo.h"

#include "storage/AppConfig.h"
#include "storage/AppPaths.h"
#include "storage/ProductDescription.h"

DeviceModelInfo DeviceModelInfo::read(const AppPaths& paths)
{
    DeviceModelInfo info;
    const ProductDescription product(paths.productDescriptionFile());
    info.sensorType = AppConfig(paths).mouseSensor();
    info.syncMode = product.syncMode();
    info.scrollRev = product.scrollRev();
    info.buttonCount = product.buttonCount();
    product.buttonSlotTable(info.slotTable);
    return info;
}
