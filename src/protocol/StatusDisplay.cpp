// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/StatusDisplay.h"

#include <algorithm>

namespace StatusDisplay {

Battery battery(quint8 lowByte, bool cableVendorPresent)
{
    Battery result;
    if (lowByte == 0)
        return result;
    result.off = false;
    result.showPercent = !cableVendorPresent;
    result.percent = lowByte + kBatteryOffset;
    // A report above 85 would overrun the bar; the bar keeps to its range
    // while the stored value stays what the mouse said.
    result.barValue = cableVendorPresent ? 100 : std::min(result.percent, 100);
    return result;
}

Connection connection(bool cableVendorPresent, bool receiverVendorPresent, bool charging)
{
    Connection result;
    if (cableVendorPresent)
        result.mode = receiverVendorPresent ? CableAndReceiver : CableOnly;
    else if (receiverVendorPresent)
        result.mode = charging ? CableAndReceiver : ReceiverOnly;
    else
        result.mode = Nothing;
    result.receiverIcon = receiverVendorPresent;
    result.batteryBar = result.mode == ReceiverOnly || result.mode == Nothing;
    result.frame = result.batteryBar ? 0 : 1;
    return result;
}

} // namespace StatusDisplay
