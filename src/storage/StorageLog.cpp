#include "storage/StorageLog.h"

Q_LOGGING_CATEGORY(lcStorage, "mousecfg.storage")
